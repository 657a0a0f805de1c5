#pragma once

#include <cstdint>
#include <span>

namespace mobwright {

// Where a and b first differ within their common length, or that length when
// they do not.
std::size_t FirstDifference(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b);

} // namespace mobwright

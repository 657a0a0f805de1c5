#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace mobwright {

// A BPS patch that turns source into target, of any sizes. It carries the
// CRC-32 of both, so that a patcher refuses a source other than this one.
std::vector<std::uint8_t> MakeBpsPatch(std::span<const std::uint8_t> source,
                                       std::span<const std::uint8_t> target);

} // namespace mobwright

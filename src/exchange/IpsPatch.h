#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace mobwright {

// An IPS patch that turns source into target. Its offsets have 24 bits, so
// it cannot describe an image larger than 16 MiB: for a source or target
// larger than that it throws std::length_error, whose message says so.
// A target shorter than the source is described by the truncation size that
// common patchers read after the end marker.
std::vector<std::uint8_t> MakeIpsPatch(std::span<const std::uint8_t> source,
                                       std::span<const std::uint8_t> target);

} // namespace mobwright

#pragma once

#include <cstdint>
#include <span>

namespace mobwright::bench {

// Making each patch of baseline to image in memory, both without a copier
// header, against the least that reading both images costs.
void MeasurePatchFloors(int repetitions, std::span<const std::uint8_t> baseline,
                        std::span<const std::uint8_t> image);

} // namespace mobwright::bench

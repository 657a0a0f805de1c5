#pragma once

#include "TableGeometry.h"

#include <cstdint>
#include <span>
#include <vector>

namespace mobwright {

// The image's bytes in the given form, its own kind told by its size: its
// copier header removed, or one put in front. A header cannot be invented,
// so the one put in front is headerDonor's, an image that has one.
// Throws std::invalid_argument for a size that is no image's, or a donor
// without a header when one is needed.
std::vector<std::uint8_t> InForm(std::span<const std::uint8_t> image, ImageKind form,
                                 std::span<const std::uint8_t> headerDonor = {});

} // namespace mobwright

#pragma once

#include "FileFormats.h"
#include "TableGeometry.h"

#include <cstdint>
#include <span>
#include <vector>

namespace mobwright {

// The patch that turns baseline into image, both brought to form first:
// the image's own form gives offsets as the image has them, the headerless
// one offsets 512 lower in an image with a copier header. Either image may
// have a header or not. Throws std::length_error for an IPS patch of an
// image larger than IPS offsets reach.
std::vector<std::uint8_t> MakeImagePatch(const FileFormat &format, std::span<const std::uint8_t> baseline,
                                         std::span<const std::uint8_t> image, ImageKind form);

} // namespace mobwright

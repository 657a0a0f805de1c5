#pragma once

#include "InternalHeader.h"

#include <cstdint>
#include <span>
#include <vector>

namespace mobwright::test {

std::vector<std::uint8_t> RandomBytes(std::size_t size, std::uint32_t seed);

// Writes at place in image (the cartridge's bytes, without a copier header)
// a header everything speaks for: a printable title, the map mode of place,
// the image's size rounded up, a reset vector into ROM and checksum words
// that agree with each other, though not with the image.
void PutInternalHeader(std::span<std::uint8_t> image, HeaderPlace place);

} // namespace mobwright::test

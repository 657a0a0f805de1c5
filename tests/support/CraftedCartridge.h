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

// The same in the file of a scratch image, behind its copier header if it has one.
void PutInternalHeader(class TestImage &image, HeaderPlace place);

// The checksum summed plainly, to check the editor's against: the file without
// its copier header, the part past the largest power of two (itself one)
// repeated to fill as much again. Right words sum to 0x1FE, as the 0x0000 and
// 0xFFFF they count as do, so they are summed as they are.
std::uint16_t PlainChecksum(const std::vector<std::uint8_t> &file);
// The checksum the header at place in file stores.
std::uint16_t StoredChecksum(const std::vector<std::uint8_t> &file, HeaderPlace place);

} // namespace mobwright::test

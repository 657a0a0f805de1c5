#include "InternalHeader.h"

#include <algorithm>

namespace mobwright {
namespace {

// The largest ROM a cartridge maps, 8 MiB.
constexpr std::uint8_t LARGEST_ROM_SIZE_CODE = 0x0D;
constexpr std::uint32_t RESET_VECTOR_OFFSET = 0x3C;

std::uint16_t Word(std::span<const std::uint8_t> bytes, std::uint32_t offset)
{
    return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

} // namespace

std::uint32_t HeaderOffset(HeaderPlace place)
{
    switch (place) {
    case HeaderPlace::LoROM:
        return 0x7FC0;
    case HeaderPlace::HiROM:
        return 0xFFC0;
    case HeaderPlace::ExHiROM:
        return 0x40FFC0;
    }
    return 0;
}

std::string_view HeaderPlaceName(HeaderPlace place)
{
    switch (place) {
    case HeaderPlace::LoROM:
        return "LoROM";
    case HeaderPlace::HiROM:
        return "HiROM";
    case HeaderPlace::ExHiROM:
        return "ExHiROM";
    }
    return {};
}

std::optional<std::uint64_t> InternalHeader::declaredRomBytes() const
{
    if (romSize > LARGEST_ROM_SIZE_CODE)
        return std::nullopt;
    return std::uint64_t{1024} << romSize;
}

std::optional<InternalHeader> ReadInternalHeader(std::span<const std::uint8_t> image,
                                                 HeaderPlace place)
{
    const std::uint32_t offset = HeaderOffset(place);
    if (image.size() < std::uint64_t{offset} + HEADER_AND_VECTORS_SIZE)
        return std::nullopt;
    return ParseInternalHeader(image.subspan(offset).first<HEADER_AND_VECTORS_SIZE>(), place);
}

InternalHeader ParseInternalHeader(std::span<const std::uint8_t, HEADER_AND_VECTORS_SIZE> bytes,
                                   HeaderPlace place)
{
    InternalHeader header;
    header.place = place;
    std::copy_n(bytes.begin(), HEADER_TITLE_SIZE, header.title.begin());
    header.mapMode = bytes[0x15];
    header.cartridgeType = bytes[0x16];
    header.romSize = bytes[0x17];
    header.ramSize = bytes[0x18];
    header.region = bytes[0x19];
    header.maker = bytes[0x1A];
    header.version = bytes[0x1B];
    header.complement = Word(bytes, CHECKSUM_FIELD_OFFSET);
    header.checksum = Word(bytes, CHECKSUM_FIELD_OFFSET + 2);
    header.resetVector = Word(bytes, RESET_VECTOR_OFFSET);
    return header;
}

} // namespace mobwright

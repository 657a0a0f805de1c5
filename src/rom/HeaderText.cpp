#include "HeaderText.h"

#include "HexText.h"

#include <array>
#include <string_view>

namespace mobwright {
namespace {

constexpr std::uint64_t KIB = 1024;
constexpr std::uint64_t MIB = 1024 * KIB;
// A cartridge's save RAM is at most 128 KiB.
constexpr std::uint8_t LARGEST_RAM_SIZE_CODE = 0x07;

constexpr std::array<std::string_view, 0x12> REGIONS{
    "Japan",     "North America", "Europe",        "Scandinavia", "Finland", "Denmark",
    "France",    "Netherlands",   "Spain",         "Germany",     "Italy",   "China",
    "Indonesia", "South Korea",   "International", "Canada",      "Brazil",  "Australia"};

std::string HexByte(std::uint8_t byte)
{
    return HexText(std::span(&byte, 1));
}

std::string Unknown(std::uint8_t code)
{
    return "unknown (0x" + HexByte(code) + ")";
}

std::string_view MappingName(int mapping)
{
    switch (mapping) {
    case 0x0:
        return "LoROM";
    case 0x1:
        return "HiROM";
    case 0x2:
        return "LoROM with S-DD1";
    case 0x3:
        return "LoROM with SA-1";
    case 0x5:
        return "ExHiROM";
    case 0xA:
        return "HiROM with SPC7110";
    }
    return {};
}

std::string_view CoprocessorName(int chip)
{
    constexpr std::array<std::string_view, 6> named{"DSP",  "Super FX", "OBC1",
                                                    "SA-1", "S-DD1",    "S-RTC"};
    if (chip < static_cast<int>(named.size()))
        return named[static_cast<std::size_t>(chip)];
    if (chip == 0xE)
        return "other chip";
    return chip == 0xF ? "custom chip" : std::string_view{};
}

// A byte 0xA1-0xDF as the half-width katakana U+FF61-U+FF9F, in UTF-8.
std::string Katakana(std::uint8_t byte)
{
    const unsigned codePoint = 0xFF61u + (byte - 0xA1u);
    return {static_cast<char>(0xE0 | codePoint >> 12),
            static_cast<char>(0x80 | (codePoint >> 6 & 0x3F)),
            static_cast<char>(0x80 | (codePoint & 0x3F))};
}

} // namespace

bool IsTitleCharacter(std::uint8_t byte)
{
    return (byte >= 0x20 && byte <= 0x7E) || (byte >= 0xA1 && byte <= 0xDF);
}

std::string TitleText(std::span<const std::uint8_t, HEADER_TITLE_SIZE> title)
{
    auto end = title.end();
    while (end != title.begin() && *(end - 1) == ' ')
        --end;
    std::string text;
    for (auto it = title.begin(); it != end; ++it) {
        const std::uint8_t byte = *it;
        if (byte == '\\')
            text += "\\\\";
        else if (byte >= 0x20 && byte <= 0x7E)
            text += static_cast<char>(byte);
        else if (IsTitleCharacter(byte))
            text += Katakana(byte);
        else
            text += "\\x" + HexByte(byte);
    }
    return text;
}

std::string MapModeText(std::uint8_t mapMode)
{
    const std::string_view mapping = MappingName(mapMode & 0x0F);
    if ((mapMode & 0xE0) != 0x20 || mapping.empty())
        return Unknown(mapMode);
    return std::string(mapping) +
           ((mapMode & 0x10) ? ", FastROM (3.58 MHz)" : ", SlowROM (2.68 MHz)");
}

std::string CartridgeTypeText(std::uint8_t type)
{
    const int parts = type & 0x0F;
    const int chip = type >> 4;
    if (parts <= 2 && chip == 0) {
        constexpr std::array<std::string_view, 3> plain{"ROM", "ROM + RAM", "ROM + RAM + battery"};
        return std::string(plain[static_cast<std::size_t>(parts)]);
    }
    const std::string_view coprocessor = CoprocessorName(chip);
    if (parts < 3 || parts > 6 || coprocessor.empty())
        return Unknown(type);
    constexpr std::array<std::string_view, 4> beside{"", " + RAM", " + RAM + battery",
                                                     " + battery"};
    return "ROM + " + std::string(coprocessor) +
           std::string(beside[static_cast<std::size_t>(parts - 3)]);
}

std::string RegionText(std::uint8_t region)
{
    return region < REGIONS.size() ? std::string(REGIONS[region]) : Unknown(region);
}

std::string RomSizeText(std::uint8_t code)
{
    InternalHeader header;
    header.romSize = code;
    const auto bytes = header.declaredRomBytes();
    return bytes ? SizeText(*bytes) : Unknown(code);
}

std::string RamSizeText(std::uint8_t code)
{
    if (code == 0)
        return "none";
    return code <= LARGEST_RAM_SIZE_CODE ? SizeText(KIB << code) : Unknown(code);
}

std::string SizeText(std::uint64_t bytes)
{
    constexpr std::uint64_t quarter = MIB / 4;
    if (bytes >= MIB && bytes % quarter == 0) {
        constexpr std::array<std::string_view, 4> fractions{"", ".25", ".5", ".75"};
        return std::to_string(bytes / MIB) + std::string(fractions[bytes % MIB / quarter]) + " MiB";
    }
    if (bytes % KIB == 0)
        return std::to_string(bytes / KIB) + " KiB";
    return std::to_string(bytes) + " bytes";
}

} // namespace mobwright

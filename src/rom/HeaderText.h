#pragma once

#include "InternalHeader.h"

#include <cstdint>
#include <span>
#include <string>

namespace mobwright {

// The internal header's facts in plain words, for people to read. A code
// without a meaning reads "unknown (0xNN)".

// A title byte that stands for a character: ASCII or half-width katakana.
bool IsTitleCharacter(std::uint8_t byte);
// The title as UTF-8 without its padding spaces; a byte that stands for no
// character reads \xNN, a backslash \\.
std::string TitleText(std::span<const std::uint8_t, HEADER_TITLE_SIZE> title);

std::string MapModeText(std::uint8_t mapMode);    // "HiROM, FastROM (3.58 MHz)"
std::string CartridgeTypeText(std::uint8_t type); // "ROM + SA-1 + RAM + battery"
std::string RegionText(std::uint8_t region);
std::string RomSizeText(std::uint8_t code);
std::string RamSizeText(std::uint8_t code); // "none" for 0
// 512 KiB, 1.5 MiB, 1403 KiB, 1436672 bytes.
std::string SizeText(std::uint64_t bytes);

} // namespace mobwright

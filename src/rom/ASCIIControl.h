#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mobwright {

// The game's one-byte text: 70 characters, each stored as its ASCII value
// plus 0x30; 0x00 ends a string. Editor text is UTF-8.
namespace ASCIIControl {

// An enemy name always occupies this many bytes.
inline constexpr int NAME_FIELD_SIZE = 25;
using NameField = std::array<std::uint8_t, NAME_FIELD_SIZE>;

// The character for a code, or empty text for a code without one.
std::string DecodeGameChar(std::uint8_t code);
// The code of a one-character text from the table; 0 for anything else.
std::uint8_t EncodeGameChar(std::string_view character);

// Splits UTF-8 text into its characters; a stray byte counts as one.
std::vector<std::string_view> SplitCharacters(std::string_view text);

// The text up to the first 0x00; codes without a character are skipped.
std::string DecodeGameString(std::span<const std::uint8_t> bytes);
// The name field for a text: its first 25 characters, each encoded, then zeros.
NameField EncodeGameString(std::string_view text);

// Pads text on the left with "0" to width; longer text is never cut.
std::string ZeroPad(std::string text, std::int16_t width);

} // namespace ASCIIControl
} // namespace mobwright

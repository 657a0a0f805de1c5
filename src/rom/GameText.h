#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace mobwright {

// The game's one-byte text: 70 characters, each stored as its ASCII value
// plus 0x30; 0x00 ends a string. Editor text is UTF-8.
namespace GameText {

// An enemy name always occupies this many bytes.
inline constexpr int NAME_SIZE = 25;
using NameBytes = std::array<std::uint8_t, NAME_SIZE>;

// The characters besides the letters and digits; the first is the blank.
inline constexpr std::string_view PUNCTUATION = " !$',.?|";
// Every character the game can show, in words for the user: "the letters
// A-Z and a-z, the digits 0-9, blanks and ! $ ' , . ? |".
std::string CharactersText();

// The character for a code, or empty text for a code without one.
std::string DecodeChar(std::uint8_t code);
// The code of a one-character text from the table; 0 for anything else.
std::uint8_t EncodeChar(std::string_view character);

// The text up to the first 0x00; codes without a character are skipped.
std::string Decode(std::span<const std::uint8_t> bytes);
// The name field for a text: its first 25 characters, each encoded, then zeros.
NameBytes Encode(std::string_view text);

} // namespace GameText
} // namespace mobwright

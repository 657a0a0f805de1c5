#include "GameText.h"

#include "Utf8Text.h"

#include <algorithm>

namespace mobwright::GameText {
namespace {

constexpr int CODE_SHIFT = 0x30;

bool IsGameChar(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
           PUNCTUATION.find(c) != std::string_view::npos;
}

} // namespace

std::string CharactersText()
{
    std::string marks;
    for (const char mark : PUNCTUATION.substr(1))
        marks += (marks.empty() ? "" : " ") + std::string(1, mark);
    return "the letters A-Z and a-z, the digits 0-9, blanks and " + marks;
}

std::string DecodeChar(std::uint8_t code)
{
    const int ascii = code - CODE_SHIFT;
    if (ascii < 0 || !IsGameChar(static_cast<char>(ascii)))
        return {};
    return std::string(1, static_cast<char>(ascii));
}

std::uint8_t EncodeChar(std::string_view character)
{
    if (character.size() != 1 || !IsGameChar(character[0]))
        return 0;
    return static_cast<std::uint8_t>(character[0] + CODE_SHIFT);
}

std::string Decode(std::span<const std::uint8_t> bytes)
{
    std::string text;
    for (const std::uint8_t code : bytes) {
        if (code == 0)
            break;
        text += DecodeChar(code);
    }
    return text;
}

NameBytes Encode(std::string_view text)
{
    NameBytes field{};
    const std::vector<std::string_view> characters = Utf8Characters(text);
    const std::size_t count = std::min<std::size_t>(characters.size(), NAME_SIZE);
    for (std::size_t k = 0; k < count; ++k)
        field[k] = EncodeChar(characters[k]);
    return field;
}

} // namespace mobwright::GameText

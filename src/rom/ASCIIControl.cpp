#include "ASCIIControl.h"


#include <algorithm>

namespace mobwright::ASCIIControl {
namespace {

constexpr int CODE_SHIFT = 0x30;

bool IsGameChar(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
           std::string_view(" !$',.?|").find(c) != std::string_view::npos;
}

// Length of the UTF-8 sequence that starts with lead; 1 for a stray byte.
std::size_t SequenceLength(unsigned char lead)
{
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    if (lead >= 0xE0)
        return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2)
        return 2;
    return 1;
}

bool IsContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

} // namespace

std::string DecodeGameChar(std::uint8_t code)
{
    const int ascii = code - CODE_SHIFT;
    if (ascii < 0 || !IsGameChar(static_cast<char>(ascii)))
        return {};
    return std::string(1, static_cast<char>(ascii));
}

std::uint8_t EncodeGameChar(std::string_view character)
{
    if (character.size() != 1 || !IsGameChar(character[0]))
        return 0;
    return static_cast<std::uint8_t>(character[0] + CODE_SHIFT);
}

std::vector<std::string_view> SplitCharacters(std::string_view text)
{
    std::vector<std::string_view> characters;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t length = SequenceLength(static_cast<unsigned char>(text[i]));
        if (i + length > text.size() ||
            !std::all_of(text.begin() + i + 1, text.begin() + i + length,
                         [](char c) { return IsContinuation(static_cast<unsigned char>(c)); }))
            length = 1;
        characters.push_back(text.substr(i, length));
        i += length;
    }
    return characters;
}

std::string DecodeGameString(std::span<const std::uint8_t> bytes)
{
    std::string text;
    for (const std::uint8_t code : bytes) {
        if (code == 0)
            break;
        text += DecodeGameChar(code);
    }
    return text;
}

NameField EncodeGameString(std::string_view text)
{
    NameField field{};
    const std::vector<std::string_view> characters = SplitCharacters(text);
    const std::size_t count = std::min<std::size_t>(characters.size(), NAME_FIELD_SIZE);
    for (std::size_t k = 0; k < count; ++k)
        field[k] = EncodeGameChar(characters[k]);
    return field;
}

std::string ZeroPad(std::string text, std::int16_t width)
{
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
    return text;
}

} // namespace mobwright::ASCIIControl

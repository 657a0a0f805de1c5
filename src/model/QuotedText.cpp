#include "QuotedText.h"

#include "HexText.h"
#include "Utf8Text.h"

#include <cstdint>

namespace mobwright {
namespace {

std::uint32_t CodePoint(std::string_view character)
{
    const auto lead = static_cast<unsigned char>(character[0]);
    if (character.size() == 1)
        return lead;
    std::uint32_t value = lead & (0x7F >> character.size());
    for (std::size_t i = 1; i < character.size(); ++i)
        value = (value << 6) | (static_cast<unsigned char>(character[i]) & 0x3F);
    return value;
}

// Control characters, blanks other than the plain one, and marks of zero width.
bool IsInvisible(std::uint32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0xA0) || c == 0xAD || c == 0x115F || c == 0x1160 ||
           c == 0x180E || (c >= 0x2000 && c <= 0x200F) || (c >= 0x2028 && c <= 0x202F) ||
           (c >= 0x205F && c <= 0x206F) || c == 0x3000 || c == 0x3164 || c == 0xFEFF ||
           (c >= 0xFFF0 && c <= 0xFFFD);
}

std::string Visible(std::string_view character)
{
    const bool strayByte =
        character.size() == 1 && static_cast<unsigned char>(character[0]) >= 0x80;
    if (strayByte)
        return "\\x" + HexDigits(static_cast<unsigned char>(character[0]));
    const std::uint32_t c = CodePoint(character);
    if (!IsInvisible(c))
        return std::string(character);
    std::string digits = HexDigits(c);
    return "U+" + std::string(digits.size() < 4 ? 4 - digits.size() : 0, '0') + digits;
}

} // namespace

std::string QuotedForMessage(std::string_view text, std::size_t maxCharacters)
{
    const auto characters = Utf8Characters(text);
    std::string quoted;
    for (std::size_t i = 0; i < characters.size() && i < maxCharacters; ++i)
        quoted += Visible(characters[i]);
    if (characters.size() > maxCharacters)
        quoted += "\u2026";
    return quoted;
}

} // namespace mobwright

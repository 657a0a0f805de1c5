#include "HexText.h"

namespace mobwright {
namespace {

// Characters first to first + 1 (1-based) of text, or those of them that exist.
std::string_view Pair(std::string_view text, std::size_t first)
{
    if (first > text.size())
        return {};
    return text.substr(first - 1, 2);
}

} // namespace

std::string HexDigits(std::uint64_t value)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), digits[value % 16]);
        value /= 16;
    } while (value != 0);
    return text;
}

std::string HexText(std::span<const std::uint8_t> bytes)
{
    std::string text;
    for (const std::uint8_t b : bytes)
        text += ZeroPadded(HexDigits(b), 2);
    return text;
}

std::string ReverseHex24(std::string_view text)
{
    std::string result;
    for (const std::size_t first : {5, 3, 1})
        result += Pair(text, first);
    return result;
}

std::string ZeroPadded(std::string text, int width)
{
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
    return text;
}

} // namespace mobwright

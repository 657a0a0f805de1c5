#include "HexText.h"

#include "ASCIIControl.h"

namespace mobwright {
namespace {

// Characters first to first + 1 (1-based) of text, or those of them that exist.
std::string_view Pair(std::string_view text, std::size_t first)
{
    if (first > text.size())
        return {};
    return text.substr(first - 1, 2);
}

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
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
        text += ASCIIControl::ZeroPad(HexDigits(b), 2);
    return text;
}

std::string ReverseHex24(std::string_view text)
{
    std::string result;
    for (const std::size_t first : {5, 3, 1})
        result += Pair(text, first);
    return result;
}

std::int32_t ParseHexLE32(std::string_view text)
{
    std::string digits;
    for (const std::size_t first : {7, 5, 3, 1})
        digits += Pair(text, first);
    // Only the leading run of hex digits counts, as in a hex literal.
    std::uint32_t value = 0;
    for (const char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0)
            break;
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(value);
}

} // namespace mobwright

#include "FieldText.h"

#include "GameText.h"
#include "HexText.h"
#include "QuotedText.h"
#include "Utf8Text.h"

#include <charconv>

namespace mobwright {
namespace {

struct NumberRange
{
    std::int64_t low;
    std::int64_t high;
};

// Every number is unsigned; wider fields also take negative numbers, stored
// in two's complement, for users used to typing them that way.
NumberRange RangeOf(int width)
{
    switch (width) {
    case 1: return {0, 0xFF};
    case 2: return {-0x8000, 0xFFFF};
    default: return {-0x80000000LL, 0xFFFFFFFFLL};
    }
}

std::string_view TrimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsDecimalDigits(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::optional<std::uint32_t> ParseNumber(int width, std::string_view text)
{
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    if (!IsDecimalDigits(text))
        return std::nullopt;
    std::int64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt; // too long for any field
    const std::int64_t number = negative ? -magnitude : magnitude;
    const NumberRange range = RangeOf(width);
    if (number < range.low || number > range.high)
        return std::nullopt;
    // Negative numbers are stored in two's complement of the field's width.
    return static_cast<std::uint32_t>(number);
}

std::optional<std::uint32_t> ParseTextAddress(std::string_view text)
{
    if (text.empty() || text.size() > 6 ||
        text.find_first_not_of("0123456789ABCDEFabcdef") != std::string_view::npos)
        return std::nullopt;
    std::uint32_t address = 0;
    std::from_chars(text.data(), text.data() + text.size(), address, 16);
    return address;
}

std::uint32_t Mask(int width)
{
    return width >= 4 ? 0xFFFFFFFFu : (1u << (8 * width)) - 1;
}

} // namespace

std::string FieldText(const FieldLayout &layout, std::span<const std::uint8_t> bytes)
{
    if (layout.encoding == Encoding::TextAddress)
        return ReverseHex24(HexText(bytes));
    std::uint32_t value = 0;
    for (std::size_t i = bytes.size(); i-- > 0;)
        value = value << 8 | bytes[i];
    return std::to_string(value);
}

std::optional<std::uint32_t> ParseFieldText(const FieldLayout &layout, std::string_view text)
{
    text = TrimBlanks(text);
    const auto value = layout.encoding == Encoding::TextAddress ? ParseTextAddress(text)
                                                                : ParseNumber(layout.width, text);
    if (!value)
        return std::nullopt;
    return *value & Mask(layout.width);
}

bool ReadsAs(const FieldLayout &layout, std::string_view typed, std::string_view shown)
{
    if (layout.encoding != Encoding::Number && layout.encoding != Encoding::TextAddress)
        return typed == shown;
    const auto value = ParseFieldText(layout, typed);
    return value && value == ParseFieldText(layout, shown);
}

std::string AcceptedText(const FieldLayout &layout)
{
    if (layout.encoding == Encoding::TextAddress)
        return "one to six hexadecimal digits (0-9, A-F), such as C5ABCD";
    return AcceptedNumberText(layout.width);
}

std::optional<std::uint8_t> ParseByteText(std::string_view text)
{
    const auto value = ParseNumber(1, TrimBlanks(text));
    return value ? std::optional(static_cast<std::uint8_t>(*value)) : std::nullopt;
}

std::string ByteAcceptedText()
{
    return AcceptedNumberText(1);
}

std::string AcceptedNumberText(int width)
{
    const NumberRange range = RangeOf(width);
    std::string accepted = "a whole number from 0 to " + std::to_string(range.high);
    if (range.low < 0)
        accepted += "; negatives down to " + std::to_string(range.low) +
                    " are taken too, counting back from " + std::to_string(range.high + 1);
    return accepted;
}

std::optional<Refusal> NameRefusal(std::string_view text)
{
    const auto refuse = [text](std::string accepted) {
        return Refusal{.field = Field::Name, .text = std::string(text), .accepted = std::move(accepted)};
    };
    const auto characters = Utf8Characters(text);
    if (characters.size() > GameText::NAME_SIZE)
        return refuse("at most " + std::to_string(GameText::NAME_SIZE) +
                      " characters; this has " + std::to_string(characters.size()));
    for (const std::string_view character : characters) {
        if (GameText::EncodeChar(character) == 0)
            return refuse("only " + GameText::CharactersText() + " (\"" + QuotedForMessage(character) +
                          "\" cannot be stored)");
    }
    return std::nullopt;
}

} // namespace mobwright

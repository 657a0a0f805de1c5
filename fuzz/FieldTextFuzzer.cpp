// Feeds the input as typed text to every number and text-address field and
// to the name field: each must take exactly what it tells the user it takes,
// and the text it shows for a stored value must read back as that value.

#include "ASCIIControl.h"
#include "EnemyLayout.h"
#include "FieldText.h"
#include "FuzzCheck.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

using namespace mobwright;
using mobwright::fuzz::Require;

namespace {

constexpr std::uint32_t ADDRESS_MASK = 0xFFFFFF;

// Past the bounds of every field; a longer run of digits stops counting here.
constexpr std::int64_t BEYOND_ANY_FIELD = std::int64_t{1} << 40;

struct Bounds
{
    std::int64_t low;
    std::int64_t high;
};

bool IsTypedField(const FieldLayout &layout)
{
    return layout.encoding == Encoding::Number || layout.encoding == Encoding::TextAddress;
}

std::uint32_t WidthMask(int width)
{
    return static_cast<std::uint32_t>((std::uint64_t{1} << (8 * width)) - 1);
}

// A byte field holds 0 to 255; a wider one every value of its width, read
// unsigned or as two's complement.
Bounds NumberBounds(int width)
{
    const std::int64_t values = std::int64_t{1} << (8 * width);
    return {width == 1 ? 0 : -values / 2, values - 1};
}

std::string_view WithoutBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// The number that an optional sign and decimal digits spell; nothing for other text.
std::optional<std::int64_t> DecimalNumber(std::string_view text)
{
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    std::int64_t magnitude = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        magnitude = std::min(magnitude * 10 + (c - '0'), BEYOND_ANY_FIELD);
    }
    return negative ? -magnitude : magnitude;
}

// The value of one to six hexadecimal digits; nothing for other text.
std::optional<std::uint32_t> AddressNumber(std::string_view text)
{
    if (text.empty() || text.size() > 6)
        return std::nullopt;
    constexpr std::string_view digits = "0123456789abcdefABCDEF";
    std::uint32_t value = 0;
    for (const char c : text) {
        const std::size_t at = digits.find(c);
        if (at == std::string_view::npos)
            return std::nullopt;
        value = value * 16 + static_cast<std::uint32_t>(at < 16 ? at : at - 6);
    }
    return value;
}

// What the field should store for text, worked out from what it promises.
std::optional<std::uint32_t> ExpectedValue(const FieldLayout &layout, std::string_view text)
{
    text = WithoutBlanks(text);
    if (layout.encoding == Encoding::TextAddress)
        return AddressNumber(text);
    const auto number = DecimalNumber(text);
    const Bounds bounds = NumberBounds(layout.width);
    if (!number || *number < bounds.low || *number > bounds.high)
        return std::nullopt;
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(*number) &
                                      WidthMask(layout.width));
}

std::vector<std::uint8_t> StoredBytes(std::uint32_t value, int width)
{
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(width));
    for (std::uint8_t &b : bytes) {
        b = static_cast<std::uint8_t>(value);
        value >>= 8;
    }
    return bytes;
}

// Six upper-case hex digits for a text address; a number in unsigned decimal.
std::string ExpectedShownText(const FieldLayout &layout, std::uint32_t stored)
{
    if (layout.encoding == Encoding::TextAddress) {
        std::array<char, 7> digits{};
        std::snprintf(digits.data(), digits.size(), "%06X", stored & ADDRESS_MASK);
        return digits.data();
    }
    return std::to_string(stored);
}

// The text a field shows for a stored value must read back as that value;
// a text address keeps only its low three bytes.
void CheckShownText(const FieldLayout &layout, std::uint32_t stored)
{
    const std::uint32_t kept =
        layout.encoding == Encoding::TextAddress ? stored & ADDRESS_MASK : stored;
    const std::string shown = FieldText(layout, StoredBytes(stored, layout.width));
    Require(shown == ExpectedShownText(layout, stored),
            "a field shows its stored value in its own notation");
    Require(ParseFieldText(layout, shown) == kept,
            "the text shown for stored bytes reads back as them");
}

void CheckTypedText(const FieldLayout &layout, std::string_view text)
{
    const auto parsed = ParseFieldText(layout, text);
    Require(parsed == ExpectedValue(layout, text),
            "a field takes exactly the text that its accepted-text sentence describes");
    if (!parsed)
        return;
    const std::uint32_t limit =
        layout.encoding == Encoding::TextAddress ? ADDRESS_MASK : WidthMask(layout.width);
    Require(*parsed <= limit,
            "a parsed value fits its field, and a text address leaves the top byte 0");
    CheckShownText(layout, *parsed);
}

// The bytes of the input read as a field's stored value.
std::uint32_t StoredValue(std::span<const std::uint8_t> data, int width)
{
    std::uint32_t value = 0;
    for (std::size_t i = std::min(data.size(), static_cast<std::size_t>(width)); i-- > 0;)
        value = (value << 8) | data[i];
    return value;
}

// The game's characters as bytes of editor text; every one of them is ASCII.
std::array<bool, 256> StorableBytes()
{
    std::array<bool, 256> storable{};
    for (int code = 0; code < 256; ++code) {
        const std::string character = ASCIIControl::DecodeGameChar(static_cast<std::uint8_t>(code));
        if (!character.empty())
            storable[static_cast<unsigned char>(character[0])] = true;
    }
    return storable;
}

void CheckName(std::string_view text)
{
    static const std::array<bool, 256> storable = StorableBytes();
    const bool storableText = text.size() <= ASCIIControl::NAME_FIELD_SIZE &&
                              std::all_of(text.begin(), text.end(), [](char c) {
                                  return storable[static_cast<unsigned char>(c)];
                              });
    const auto refusal = NameRefusal(text);
    Require(refusal.has_value() != storableText,
            "a name is refused exactly when a character has no code or it has more than 25");
    if (refusal)
        Require(!refusal->empty(), "a refused name is told why");
    else
        Require(ASCIIControl::DecodeGameString(ASCIIControl::EncodeGameString(text)) == text,
                "an accepted name is stored as typed");
}

} // namespace

// The sentence that tells the user what a number field takes names its bounds.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    for (const FieldLayout &layout : EnemyLayout) {
        if (layout.encoding != Encoding::Number)
            continue;
        const Bounds bounds = NumberBounds(layout.width);
        const std::string accepted = AcceptedText(layout);
        Require(accepted.find(std::to_string(bounds.low)) != std::string::npos &&
                    accepted.find(std::to_string(bounds.high)) != std::string::npos,
                "the accepted-text sentence names the field's bounds");
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    for (const FieldLayout &layout : EnemyLayout) {
        if (!IsTypedField(layout))
            continue;
        CheckTypedText(layout, text);
        CheckShownText(layout, StoredValue(bytes, layout.width));
    }
    CheckName(text);
    return 0;
}

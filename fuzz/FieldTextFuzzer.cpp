// Feeds the input to every number and text-address field as typed text and
// as stored bytes, and to the name field as typed text and as stored bytes:
// a field takes exactly the numbers that fit it, the text it shows for its
// bytes reads back as them, and a name is taken exactly when the game can
// store it as typed.

#include "ASCIIControl.h"
#include "FieldText.h"
#include "FuzzCheck.h"

#include <algorithm>

using namespace mobwright;
using namespace mobwright::ASCIIControl;
using mobwright::fuzz::Require;

namespace {

std::string_view WithoutBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    return first == text.npos ? "" : text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The value that decimal digits (after an optional sign) or up to six hex
// digits spell; nothing for other text. Long numbers stop counting at 2^40.
std::optional<std::int64_t> Spelt(std::string_view text, bool hex)
{
    const bool negative = !hex && text.starts_with('-');
    if (!hex && (text.starts_with('-') || text.starts_with('+')))
        text.remove_prefix(1);
    if (text.empty() || (hex && text.size() > 6))
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : text) {
        const auto digit = std::string_view(hex ? "0123456789abcdef" : "0123456789")
                               .find(hex && c >= 'A' && c <= 'F' ? c + 32 : c);
        if (digit == std::string_view::npos)
            return std::nullopt;
        value = std::min(value * (hex ? 16 : 10) + static_cast<std::int64_t>(digit),
                         std::int64_t{1} << 40);
    }
    return negative ? -value : value;
}

void CheckField(const FieldLayout &layout, std::string_view typed,
                std::span<const std::uint8_t> data)
{
    const bool hex = layout.encoding == Encoding::TextAddress;
    const std::int64_t values = std::int64_t{1} << (8 * (hex ? 3 : layout.width));
    const auto spelt = Spelt(WithoutBlanks(typed), hex);
    // Wider numbers also take the negative numbers of their two's complement.
    const bool fits =
        spelt && *spelt < values && *spelt >= (layout.width > 1 && !hex ? -values / 2 : 0);
    const auto parsed = ParseFieldText(layout, typed);
    Require(parsed.has_value() == fits, "a field takes exactly the numbers that fit it");
    Require(!fits || *parsed == static_cast<std::uint32_t>(*spelt & (values - 1)),
            "and stores them as typed");

    std::array<std::uint8_t, 4> bytes{};
    std::copy_n(data.begin(), std::min<std::size_t>(data.size(), layout.width), bytes.begin());
    std::uint32_t stored = 0;
    for (int i = layout.width; i-- > 0;)
        stored = stored << 8 | bytes[i];
    Require(ParseFieldText(layout, FieldText(layout, std::span(bytes).first(layout.width))) ==
                (hex ? stored & 0xFFFFFF : stored),
            "the text a field shows for its bytes reads back as them");
}

void CheckName(std::string_view typed, std::span<const std::uint8_t> data)
{
    std::string joined;
    bool storable = typed.size() <= NAME_FIELD_SIZE;
    for (const std::string_view character : SplitCharacters(typed)) {
        joined += character;
        storable = storable && EncodeGameChar(character) != 0;
    }
    Require(joined == typed, "the characters of a text join back into it");
    Require(NameRefusal(typed).has_value() != storable,
            "a name is refused exactly when it cannot be stored");
    Require(!storable || DecodeGameString(EncodeGameString(typed)) == typed,
            "a name is stored as typed");

    // A stored name read and written again keeps its codes that have a
    // character, up to its first 0, in order.
    NameField stored{}, kept{};
    std::copy_n(data.begin(), std::min(data.size(), stored.size()), stored.begin());
    std::size_t count = 0;
    for (std::size_t i = 0; i < stored.size() && stored[i] != 0; ++i) {
        if (!DecodeGameChar(stored[i]).empty())
            kept[count++] = stored[i];
    }
    Require(EncodeGameString(DecodeGameString(stored)) == kept,
            "a stored name keeps its characters");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view typed(reinterpret_cast<const char *>(data), size);
    for (const FieldLayout &layout : EnemyLayout) {
        if (layout.encoding == Encoding::Number || layout.encoding == Encoding::TextAddress)
            CheckField(layout, typed, std::span(data, size));
    }
    CheckName(typed, std::span(data, size));
    return 0;
}

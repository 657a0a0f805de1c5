// Feeds the input to every number and text-address field, and to the name
// field, as typed text and as stored bytes. What a field takes fits it and
// is shown as text it takes back the same; what it shows for any stored
// bytes reads back as them; a name is taken exactly when the game can store
// every character, and a stored name keeps the codes that have one.

#include "ASCIIControl.h"
#include "FieldText.h"
#include "FuzzCheck.h"

#include <algorithm>

using namespace mobwright;
using namespace mobwright::ASCIIControl;
using mobwright::fuzz::Require;

namespace {

void CheckField(const FieldLayout &layout, std::string_view typed,
                std::span<const std::uint8_t> data)
{
    const std::uint32_t mask =
        layout.encoding == Encoding::TextAddress ? 0xFFFFFF : 0xFFFFFFFF >> (32 - 8 * layout.width);
    const auto taken = ParseFieldText(layout, typed);
    const auto digits =
        layout.encoding == Encoding::TextAddress ? "0123456789ABCDEFabcdef \t" : "0123456789+- \t";
    Require(!taken || (*taken <= mask && typed.find_first_not_of(digits) == typed.npos),
            "a field takes only digits that fit it");
    std::array<std::uint8_t, 4> bytes{};
    std::copy_n(data.begin(), std::min<std::size_t>(data.size(), layout.width), bytes.begin());
    std::uint32_t stored = 0;
    for (int i = layout.width; i-- > 0;)
        stored = stored << 8 | bytes[i];
    if (taken) {
        std::uint32_t value = *taken;
        for (std::uint8_t &b : bytes)
            b = static_cast<std::uint8_t>(value), value >>= 8;
        stored = *taken;
    }
    const std::string shown = FieldText(layout, std::span(bytes).first(layout.width));
    Require(ParseFieldText(layout, shown) == (stored & mask), "a field takes back what it shows");
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
    NameField stored{}, kept{};
    std::copy_n(data.begin(), std::min(data.size(), stored.size()), stored.begin());
    for (std::size_t i = 0, count = 0; i < stored.size() && stored[i] != 0; ++i) {
        if (!DecodeGameChar(stored[i]).empty())
            kept[count++] = stored[i];
    }
    Require(EncodeGameString(DecodeGameString(stored)) == kept,
            "a stored name keeps its characters, up to its end");
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

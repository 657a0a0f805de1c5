// Typed into and stored in every number and text-address field, the input is
// taken only as digits that fit, and what is shown is taken back; typed as a
// name, it is taken exactly when every character can be stored, as typed.

#include "GameText.h"
#include "Utf8Text.h"
#include "FieldText.h"
#include "FuzzCheck.h"

#include <algorithm>

using namespace mobwright;
using namespace mobwright::GameText;
using mobwright::fuzz::Require;

namespace {

void CheckField(const FieldLayout &layout, std::string_view typed,
                std::span<const std::uint8_t> data)
{
    const bool address = layout.encoding == Encoding::TextAddress;
    const std::uint32_t mask = address ? 0xFFFFFF : 0xFFFFFFFF >> (32 - 8 * layout.width);
    const auto taken = ParseFieldText(layout, typed);
    const auto digits = address ? "0123456789ABCDEFabcdef \t" : "0123456789+- \t";
    Require(!taken || (*taken <= mask && typed.find_first_not_of(digits) == typed.npos),
            "a field takes only digits that fit it");
    if (!address && !typed.empty() && typed.size() < 12 &&
        typed.find_first_not_of("0123456789") == typed.npos) {
        const std::uint64_t number = std::stoull(std::string(typed));
        Require(taken == (number <= mask ? std::optional(std::uint32_t(number)) : std::nullopt),
                "a field takes plain digits exactly when their number fits it, as that number");
    }
    std::uint32_t stored = taken.value_or(0);
    for (std::size_t i = 0; !taken && i < std::min<std::size_t>(data.size(), layout.width); ++i)
        stored |= std::uint32_t{data[i]} << 8 * i;
    const std::array<std::uint8_t, 4> bytes{std::uint8_t(stored), std::uint8_t(stored >> 8),
                                            std::uint8_t(stored >> 16), std::uint8_t(stored >> 24)};
    Require(ParseFieldText(layout, FieldText(layout, std::span(bytes).first(layout.width))) ==
                (stored & mask),
            "a field takes back what it shows");
}

void CheckName(std::string_view typed)
{
    bool storable = typed.size() <= NAME_SIZE;
    for (const std::string_view character : Utf8Characters(typed))
        storable = storable && EncodeChar(character) != 0;
    Require(NameRefusal(typed).has_value() != storable,
            "a name is refused exactly when it cannot be stored");
    Require(!storable || Decode(Encode(typed)) == typed,
            "a name is stored as typed");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view typed(reinterpret_cast<const char *>(data), size);
    for (const FieldLayout &layout : EnemyLayout) {
        if (layout.encoding == Encoding::Number || layout.encoding == Encoding::TextAddress)
            CheckField(layout, typed, std::span(data, size));
    }
    CheckName(typed);
    return 0;
}

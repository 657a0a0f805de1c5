#include "ByteEdit.h"

#include "FieldText.h"
#include "GameText.h"
#include "HexText.h"

#include <charconv>

namespace mobwright {
namespace {

std::string HexByte(std::uint8_t value)
{
    return ZeroPadded(HexDigits(value), 2);
}

} // namespace

Checked<PendingRecord> WithByte(PendingRecord pending, int offset, std::uint8_t value)
{
    const RecordCell cell = CellAt(offset);
    const std::optional<Field> field = cell.field();
    if (!field)
        return WithCellText(std::move(pending), cell, std::to_string(value));
    EnemyRecord wanted = pending.target;
    wanted.bytes(offset, 1)[0] = value;
    const FieldLayout &layout = LayoutOf(*field);
    if (layout.encoding == Encoding::GameText) {
        // The name is edited byte for byte: its other bytes, those after the
        // 00 included, stay as they are.
        if (value != 0 && GameText::DecodeChar(value).empty())
            return Refusal{.field = field,
                           .text = HexByte(value),
                           .accepted = "a byte of one of " + GameText::CharactersText() +
                                       ", or 00 to end the name"};
        pending.unparsed.erase(*field);
        pending.target = wanted;
        return pending;
    }
    // A list's value as a number is its stored value: the field checks it as typed.
    const std::string text = IsChoice(layout.encoding) ? std::to_string(wanted.value(*field))
                                                       : FieldText(layout, wanted.bytes(*field));
    return WithCellText(std::move(pending), cell, text);
}

std::optional<std::uint8_t> ParseHexByte(std::string_view text)
{
    if (text.starts_with('$'))
        text.remove_prefix(1);
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (text.empty() || text.size() > 2 || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return static_cast<std::uint8_t>(value);
}

} // namespace mobwright

#include "PendingEdits.h"

#include "GameText.h"
#include "ActionKinds.h"
#include "FieldText.h"

#include <algorithm>

namespace mobwright {
namespace {

bool SameBytes(const EnemyRecord &a, const EnemyRecord &b, int offset, int width)
{
    return std::ranges::equal(a.bytes(offset, width), b.bytes(offset, width));
}

void CopyBytes(const EnemyRecord &from, EnemyRecord &to, int offset, int width)
{
    std::ranges::copy(from.bytes(offset, width), to.bytes(offset, width).begin());
}

// Copies every field and uncovered byte that edited changes from its base
// into to.
void CopyEditedCells(const PendingRecord &edited, EnemyRecord &to)
{
    for (const RecordCell &cell : EveryCell()) {
        if (!SameBytes(edited.base, edited.target, cell.offset(), cell.width()))
            CopyBytes(edited.target, to, cell.offset(), cell.width());
    }
}

// A list or flag field set to a stored value; an action of another kind
// moves its argument to its new list's first entry.
EnemyRecord WithChoice(EnemyRecord record, Field field, std::uint32_t stored)
{
    for (int slot = 0; slot < ACTION_SLOT_COUNT; ++slot) {
        if (field == ActionField(slot))
            return WithAction(std::move(record), slot, static_cast<int>(stored));
    }
    record.setValue(field, stored);
    return record;
}

Checked<EnemyRecord> WithChoiceText(EnemyRecord record, Field field, std::string_view text,
                                    const ValueReading &reading)
{
    const auto value = ReadListValue(field, record, text, reading);
    if (const auto *refusal = std::get_if<Refusal>(&value))
        return *refusal;
    EnemyRecord chosen = record;
    chosen.setValue(field, std::get<std::uint32_t>(value));
    if (ControlShowsStored(field, chosen))
        return chosen;
    return Refusal{.field = field,
                   .text = std::string(text),
                   .accepted = ListAcceptedText(field, record, reading.numbers)};
}

} // namespace

bool PendingRecord::edits(Field field) const
{
    const FieldLayout &layout = LayoutOf(field);
    return unparsed.contains(field) || !SameBytes(base, target, layout.offset, layout.width);
}

std::vector<Field> PendingRecord::editedFields() const
{
    std::vector<Field> fields;
    for (const FieldLayout &layout : EnemyLayout) {
        if (edits(layout.field))
            fields.push_back(layout.field);
    }
    return fields;
}

int PendingRecord::editCount() const
{
    return static_cast<int>(std::ranges::count_if(EveryCell(), [this](const RecordCell &cell) { return edits(cell); }));
}

PendingRecord PendingRecord::rebased(const EnemyRecord &newBase) const
{
    PendingRecord moved{newBase, newBase, unparsed, conflicts};
    CopyEditedCells(*this, moved.target);
    return moved;
}

PendingRecord PendingRecord::withEditsOf(const PendingRecord &newer) const
{
    PendingRecord merged = *this;
    CopyEditedCells(newer, merged.target);
    for (const auto &[field, text] : newer.unparsed)
        merged.unparsed[field] = text;
    merged.conflicts.insert(newer.conflicts.begin(), newer.conflicts.end());
    return merged;
}

PendingRecord PendingRecord::without(const RecordCell &cell) const
{
    PendingRecord reverted = *this;
    CopyBytes(base, reverted.target, cell.offset(), cell.width());
    if (const auto field = cell.field())
        reverted.unparsed.erase(*field);
    return reverted;
}

bool PendingRecord::edits(const RecordCell &cell) const
{
    const auto field = cell.field();
    return field ? edits(*field) : !SameBytes(base, target, cell.offset(), 1);
}

bool PendingRecord::inConflict(const RecordCell &cell) const
{
    return conflicts.contains(cell.offset()) && edits(cell);
}

std::optional<Refusal> PendingRecord::refusal() const
{
    for (const auto &[field, text] : unparsed) {
        const auto checked = WithFieldText(target, field, text, base);
        if (const auto *refused = std::get_if<Refusal>(&checked))
            return *refused;
    }
    return std::nullopt;
}

Checked<EnemyRecord> WithFieldText(EnemyRecord record, Field field, std::string_view text,
                                   const EnemyRecord &base, const ValueReading &reading)
{
    const FieldLayout &layout = LayoutOf(field);
    switch (layout.encoding) {
    case Encoding::GameText: {
        // An unedited name keeps its bytes, including codes without a character.
        const bool unedited = text == GameText::Decode(base.bytes(Field::Name));
        if (unedited) {
            CopyBytes(base, record, layout.offset, layout.width);
            return record;
        }
        if (auto refusal = NameRefusal(text))
            return *refusal;
        std::ranges::copy(GameText::Encode(text), record.bytes(field).begin());
        return record;
    }
    case Encoding::Number:
    case Encoding::TextAddress:
        if (const auto value = ParseFieldText(layout, text)) {
            record.setValue(field, *value);
            return record;
        }
        return Refusal{.field = field, .text = std::string(text), .accepted = AcceptedText(layout)};
    case Encoding::Flag:
    case Encoding::ListPosition:
    case Encoding::ListPositionPlus1:
        break;
    }
    return WithChoiceText(std::move(record), field, text, reading);
}

EnemyRecord WithAction(EnemyRecord record, int slot, int code)
{
    const Field action = ActionField(slot);
    const auto kindBefore = KindOfAction(record.value(action));
    record.setValue(action, static_cast<std::uint32_t>(code));
    if (KindOfAction(static_cast<std::uint32_t>(code)) != kindBefore)
        record.setValue(ArgumentField(slot), 1);
    return record;
}

Checked<PendingRecord> WithCellText(PendingRecord pending, const RecordCell &cell, std::string_view text,
                                    const ValueReading &reading)
{
    const std::optional<Field> field = cell.field();
    if (!field) {
        const auto value = ParseByteText(text);
        if (!value)
            return Refusal{.text = std::string(text), .accepted = ByteAcceptedText()};
        pending.target.bytes(cell.offset(), 1)[0] = *value;
        return pending;
    }
    auto checked = WithFieldText(pending.target, *field, text, pending.base, reading);
    if (auto *refusal = std::get_if<Refusal>(&checked))
        return *refusal;
    const EnemyRecord &record = std::get<EnemyRecord>(checked);
    pending.unparsed.erase(*field);
    pending.target = IsChoice(LayoutOf(*field).encoding) ? WithChoice(pending.target, *field, record.value(*field))
                                                         : record;
    return pending;
}

PendingRecord WithControlValue(PendingRecord pending, Field field, const ControlValue &value)
{
    const FieldLayout &layout = LayoutOf(field);
    pending.unparsed.erase(field);
    if (!IsChoice(layout.encoding)) {
        auto checked = WithFieldText(pending.target, field, value.text, pending.base);
        if (auto *record = std::get_if<EnemyRecord>(&checked)) {
            pending.target = *record;
        } else {
            CopyBytes(pending.base, pending.target, layout.offset, layout.width);
            pending.unparsed[field] = value.text;
        }
        return pending;
    }
    if (value.position == KEEP_STORED) {
        CopyBytes(pending.base, pending.target, layout.offset, layout.width);
        return pending;
    }
    const int stored = value.position + (layout.encoding == Encoding::ListPositionPlus1 ? 1 : 0);
    pending.target = WithChoice(pending.target, field, static_cast<std::uint32_t>(stored));
    return pending;
}

const PendingRecord *PendingEdits::find(int index) const
{
    const auto found = records_.find(index);
    return found == records_.end() ? nullptr : &found->second;
}

void PendingEdits::set(int index, PendingRecord record)
{
    std::erase_if(record.conflicts, [&record](int offset) { return !record.edits(CellAt(offset)); });
    if (record.empty())
        records_.erase(index);
    else
        records_[index] = std::move(record);
}

std::vector<int> PendingEdits::enemies() const
{
    std::vector<int> indexes;
    for (const auto &[index, record] : records_)
        indexes.push_back(index);
    return indexes;
}

int PendingEdits::editCount() const
{
    int count = 0;
    for (const auto &[index, record] : records_)
        count += record.editCount();
    return count;
}

} // namespace mobwright

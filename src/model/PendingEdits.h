#pragma once

#include "EnemyForm.h"
#include "EnemyRecord.h"
#include "ListValueText.h"
#include "RecordCell.h"
#include "Refusal.h"

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace mobwright {

// One enemy's edits that are not written yet.
struct PendingRecord
{
    EnemyRecord base;   // the record as the file held it when the edits began
    EnemyRecord target; // base with the edits in: what a write would store
    // Text typed into a field that cannot take it; nothing is written while
    // any is left.
    std::map<Field, std::string> unparsed;
    // The edited fields and bytes, by their first offset, that another
    // program changed too, to a value of its own: base holds its value.
    std::set<int> conflicts;

    bool empty() const { return target == base && unparsed.empty(); }
    bool operator==(const PendingRecord &) const = default;
    bool edits(Field field) const;
    std::vector<Field> editedFields() const;
    // Edited fields and bytes.
    int editCount() const;

    // The same edits made on another record: every edited field and byte is
    // carried over, the rest is newBase's.
    PendingRecord rebased(const EnemyRecord &newBase) const;
    // This with the edits of newer made on top.
    PendingRecord withEditsOf(const PendingRecord &newer) const;
    // This without the edit of a field or byte.
    PendingRecord without(const RecordCell &cell) const;
    bool edits(const RecordCell &cell) const;
    bool inConflict(const RecordCell &cell) const;

    // The first field, in record order, whose text cannot be written.
    std::optional<Refusal> refusal() const;
};

// A pending record with a control's value for one field: text a field
// cannot take is kept as typed; an action of another kind takes its new
// list's first argument, as choosing it in the window does.
PendingRecord WithControlValue(PendingRecord pending, Field field, const ControlValue &value);

// The record with field set from text typed for it, or why the field
// refuses the text. A name that reads as base's keeps base's bytes; a list
// or flag field reads its text as reading says and takes only a value its
// control can show.
Checked<EnemyRecord> WithFieldText(EnemyRecord record, Field field, std::string_view text,
                                   const EnemyRecord &base, const ValueReading &reading = {});
// The record with slot's action set to code; an action of another kind than
// before takes the first entry of its argument list.
EnemyRecord WithAction(EnemyRecord record, int slot, int code);

// A pending record with a cell set from text as the window takes it: a
// field as its control does, a byte as a number from 0 to 255.
Checked<PendingRecord> WithCellText(PendingRecord pending, const RecordCell &cell, std::string_view text,
                                    const ValueReading &reading = {});

// An enemy's pending record, or its record as stored when it has none.
using PendingOf = std::function<PendingRecord(int enemy)>;

// The pending edits of a whole image, by enemy; enemies without edits have none.
class PendingEdits
{
public:
    const PendingRecord *find(int index) const;
    // An empty record takes the enemy's edits away; a conflict of a field
    // or byte no longer edited goes with its edit.
    void set(int index, PendingRecord record);
    void clear() { records_.clear(); }

    bool empty() const { return records_.empty(); }
    std::vector<int> enemies() const;
    // Edited fields and bytes of every enemy.
    int editCount() const;

private:
    std::map<int, PendingRecord> records_;
};

} // namespace mobwright

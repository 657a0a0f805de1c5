#include "PendingEdits.h"
#include "RecordCopies.h"

#include <gtest/gtest.h>

using namespace mobwright;
using enum Field;

namespace {

PendingRecord Unedited(const EnemyRecord &record)
{
    return {record, record, {}};
}

ControlValue Text(std::string text)
{
    return {std::move(text), KEEP_STORED};
}

ControlValue Position(int position)
{
    return {{}, position};
}

} // namespace

// Text a field takes is stored; text it refuses is kept as typed, and the
// first such field in record order refuses the record.
TEST(PendingEdits, TextAFieldRefusesIsKeptAndRefusesTheRecord)
{
    EnemyRecord stored;
    stored.setValue(HP, 500);
    PendingRecord pending = Unedited(stored);
    pending = WithControlValue(pending, MaxCall, Text("256"));
    pending = WithControlValue(pending, HP, Text("12x"));
    EXPECT_EQ(pending.editedFields(), (std::vector{HP, MaxCall}));
    EXPECT_EQ(pending.target, stored);
    EXPECT_EQ(pending.refusal()->field, HP);
    EXPECT_EQ(pending.refusal()->text, "12x");

    pending = WithControlValue(pending, HP, Text("007"));
    pending = WithControlValue(pending, MaxCall, Text("9"));
    EXPECT_FALSE(pending.refusal());
    EXPECT_EQ(pending.target.value(HP), 7u);
    EXPECT_EQ(pending.editCount(), 2);
    // Typing the stored value back leaves nothing edited.
    pending = WithControlValue(pending, HP, Text("500"));
    pending = WithControlValue(pending, MaxCall, Text("0"));
    EXPECT_TRUE(pending.empty());
}

// Another action of the same kind keeps its argument; one of another kind
// takes the first entry of its list, stored as 1.
TEST(PendingEdits, AnActionOfAnotherKindTakesItsListsFirstArgument)
{
    EnemyRecord stored;
    stored.setValue(Action2, 12); // PSI
    stored.setValue(Argument2, 5);
    PendingRecord pending = Unedited(stored);
    pending = WithControlValue(pending, Action2, Position(40));
    EXPECT_EQ(pending.target.value(Argument2), 5u);
    pending = WithControlValue(pending, Action2, Position(62));
    EXPECT_EQ(pending.target.value(Argument2), 1u);
    EXPECT_EQ(WithControlValue(pending, Action2, Position(KEEP_STORED)).target.value(Action2), 12u);
}

// Edits carried onto another record keep exactly their fields and bytes;
// newer edits laid on older ones win where both edit.
TEST(PendingEdits, EditsMoveToAnotherRecordFieldByField)
{
    EnemyRecord stored;
    stored.setValue(HP, 500);
    PendingRecord older = Unedited(stored);
    older.target.setValue(HP, 600);
    older.target.bytes(26, 1)[0] = 3; // a byte no field covers
    older = WithControlValue(older, Name, Text("Caf\xC3\xA9"));

    EnemyRecord changed = stored;
    changed.setValue(Level, 9);
    const PendingRecord moved = older.rebased(changed);
    EXPECT_EQ(moved.base, changed);
    EXPECT_EQ(moved.target.value(Level), 9u);
    EXPECT_EQ(moved.target.value(HP), 600u);
    EXPECT_EQ(moved.target.bytes(26, 1)[0], 3);
    EXPECT_EQ(moved.unparsed, older.unparsed);

    PendingRecord newer = Unedited(older.target);
    newer.target.setValue(HP, 700);
    newer.target.setValue(PP, 1);
    const PendingRecord merged = older.withEditsOf(newer);
    EXPECT_EQ(merged.base, stored);
    EXPECT_EQ(merged.target.value(HP), 700u);
    EXPECT_EQ(merged.target.value(PP), 1u);
    EXPECT_EQ(merged.target.bytes(26, 1)[0], 3);
}

// A list or flag field's text is the stored value it begins with, taken only
// when the field's control can show it; a name read as base's keeps its bytes.
TEST(PendingEdits, TextForAListOrTheNameIsTakenAsTheControlWouldTakeIt)
{
    EnemyRecord base;
    base.bytes(Name)[0] = 0x72;  // "B"
    base.bytes(Name)[2] = 0x99;  // a byte after the name's end
    const struct
    {
        Field field;
        const char *text;
        std::optional<std::uint32_t> stored;
    } cases[] = {
        {OutsidePic, "440 – Invisible", 440}, {OutsidePic, "0", 0},  {OutsidePic, "464", {}},
        {Type, "2", 2},                       {Type, "3", {}},       {TheFlag, "1", 1},
        {TheFlag, "2", {}},                   {Argument1, "1", 1},   {Argument1, "2", {}},
        {Music, "191x", {}},                  {Music, " 191", 191},  {Item, "-1", {}},
    };
    for (const auto &c : cases) {
        const auto checked = WithFieldText(base, c.field, c.text, base);
        const auto *record = std::get_if<EnemyRecord>(&checked);
        EXPECT_EQ(record ? std::optional(record->value(c.field)) : std::nullopt, c.stored) << c.text;
    }
    EXPECT_EQ(std::get<EnemyRecord>(WithFieldText(base, Name, "B", base)), base);
}

// A whole record, with the text its fields refuse, moves onto other enemies
// or is exchanged; each keeps its base, the record the file holds for it.
TEST(PendingEdits, WholeRecordsAreCopiedOntoOthersOrSwapped)
{
    std::vector<PendingRecord> enemies;
    for (std::uint8_t k = 0; k < 3; ++k) {
        EnemyRecord record;
        record.setValue(HP, 100u * k);
        record.bytes(93, 1)[0] = k; // a byte no field shows
        enemies.push_back(Unedited(record));
    }
    enemies[0] = WithControlValue(enemies[0], Level, Text("x"));
    const PendingOf pendingOf = [&](int k) { return enemies[std::size_t(k)]; };
    const auto copied = RecordCopiedOnto(enemies[0], {0, 1, 2}, pendingOf);
    ASSERT_EQ(copied.size(), 2u) << "enemy 0 shows its record already";
    EXPECT_EQ(copied.at(2).target, enemies[0].target);
    EXPECT_EQ(copied.at(2).unparsed, enemies[0].unparsed);
    EXPECT_EQ(copied.at(2).base, enemies[2].base);

    const auto swapped = RecordsSwapped(1, 2, pendingOf);
    EXPECT_EQ(swapped.at(1).target, enemies[2].target);
    EXPECT_EQ(swapped.at(2).target, enemies[1].target);
    EXPECT_EQ(swapped.at(2).base, enemies[2].base);
    EXPECT_TRUE(RecordsSwapped(1, 1, pendingOf).empty());
}

#include "EnemyForm.h"

#include "FieldEntries.h"

#include <gtest/gtest.h>

using namespace mobwright;

namespace {

ControlValue &At(FormValues &form, Field field)
{
    return form[static_cast<std::size_t>(field)];
}

struct Stored
{
    Field field;
    std::uint32_t value;
};

EnemyRecord RecordOf(std::initializer_list<Stored> values)
{
    EnemyRecord record;
    for (const Stored &stored : values)
        record.setValue(stored.field, stored.value);
    return record;
}

} // namespace

// A list shows the entry at the stored value (value - 1 where 0 means none);
// a value without an entry leaves it unselected with the value as a note.
TEST(EnemyForm, ShowsEachStoredValueAsItsControlCan)
{
    const struct
    {
        Field field;
        std::uint32_t value;
        int position;
        const char *note;
    } rows[]{{Field::TheFlag, 1, 1, ""},
             {Field::TheFlag, 2, KEEP_STORED, "(stored value 2)"},
             {Field::Type, 2, 2, ""},
             {Field::Type, 3, KEEP_STORED, "(stored value 3)"},
             {Field::InsidePic, 0x100, KEEP_STORED, "(stored value 256)"},
             {Field::OutsidePic, 463, 462, ""},
             {Field::OutsidePic, 0, KEEP_STORED, ""},
             {Field::OutsidePic, 464, KEEP_STORED, "(stored value 464)"},
             {Field::Music, 0xBF, 191, ""},
             {Field::ItemFreq, 8, KEEP_STORED, "(stored value 8)"},
             {Field::Item, 255, 255, ""},
             {Field::Action1, 318, 318, ""},
             {Field::Action1, 319, KEEP_STORED, "(stored value 319)"},
             {Field::Argument1, 0, KEEP_STORED, ""},
             {Field::DeathSound, 2, KEEP_STORED, "(stored value 2)"}};
    for (const auto &row : rows) {
        FormValues form = FormFromRecord(RecordOf({{row.field, row.value}}));
        EXPECT_EQ(At(form, row.field).position, row.position)
            << FieldName(row.field) << " " << row.value;
        EXPECT_EQ(At(form, row.field).text, row.note) << FieldName(row.field) << " " << row.value;
    }
    // An argument has as many entries as its action's kind offers.
    const struct
    {
        std::uint32_t action, argument;
        int position;
    } arguments[]{{0, 1, 0},
                  {0, 2, KEEP_STORED},
                  {10, 255, 254},
                  {62, 230, 229},
                  {245, 231, KEEP_STORED},
                  {140, 255, 254},
                  {319, 1, KEEP_STORED}};
    for (const auto &row : arguments) {
        FormValues form = FormFromRecord(
            RecordOf({{Field::Action3, row.action}, {Field::Argument3, row.argument}}));
        EXPECT_EQ(At(form, Field::Argument3).position, row.position)
            << row.action << " " << row.argument;
    }
    EXPECT_EQ(ArgumentEntryCount(ActionKind::Psi), 255); // an argument byte names at most 255
    EXPECT_EQ(PsiArgumentLabels().front(), "PSI Special 1");
    EXPECT_EQ(ItemArgumentLabels().front(), ItemLabels()[1]); // never "0 - Null"
    EXPECT_EQ(ItemArgumentLabels().size(), 255u);
}

TEST(EnemyForm, StoresWhatTheControlsHoldAndKeepsWhatTheyCannotShow)
{
    EnemyRecord shown = RecordOf({{Field::TheFlag, 9}, {Field::Type, 7}, {Field::Argument4, 77}});
    FormValues form = FormFromRecord(shown);
    At(form, Field::HP).text = "300";
    At(form, Field::Exp).text = " 4294967295 ";
    At(form, Field::StartText).text = "abcd";
    At(form, Field::Name).text = "Ab";
    At(form, Field::OutsidePic).position = 0;
    At(form, Field::Argument1).position = 0;
    At(form, Field::Order).position = 3;

    EnemyRecord expected = shown;
    for (const Stored &stored : {Stored{Field::HP, 300},
                                 {Field::Exp, 0xFFFFFFFF},
                                 {Field::StartText, 0xABCD},
                                 {Field::OutsidePic, 1},
                                 {Field::Argument1, 1},
                                 {Field::Order, 3}})
        expected.setValue(stored.field, stored.value);
    expected.bytes(Field::Name)[0] = 0x71;
    expected.bytes(Field::Name)[1] = 0x92;
    const auto result = RecordFromForm(form, shown);
    ASSERT_TRUE(std::holds_alternative<EnemyRecord>(result));
    EXPECT_EQ(std::get<EnemyRecord>(result), expected);
}

TEST(EnemyForm, RefusesTheFirstBadFieldInRecordOrder)
{
    const EnemyRecord shown;
    FormValues form = FormFromRecord(shown);
    At(form, Field::MaxCall).text = "256";
    At(form, Field::HP).text = "12x";
    At(form, Field::PP).text = "";
    for (const auto &[name, field] : {std::pair{"", Field::HP}, {"Caf\xC3\xA9", Field::Name}}) {
        At(form, Field::Name).text = name;
        const auto result = RecordFromForm(form, shown);
        ASSERT_TRUE(std::holds_alternative<FieldError>(result)) << name;
        EXPECT_EQ(std::get<FieldError>(result).field, field) << name;
        EXPECT_EQ(std::get<FieldError>(result).text, field == Field::HP ? "12x" : name);
    }
}

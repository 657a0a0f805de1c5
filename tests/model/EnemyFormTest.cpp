#include "EnemyForm.h"

#include "FieldEntries.h"

#include <gtest/gtest.h>

using namespace mobwright;
using enum Field;

static ControlValue &At(FormValues &form, Field field)
{
    return form[static_cast<std::size_t>(field)];
}

static EnemyRecord RecordOf(std::initializer_list<std::pair<Field, std::uint32_t>> values)
{
    EnemyRecord record;
    for (const auto &[field, value] : values)
        record.setValue(field, value);
    return record;
}

// A list shows the entry at the stored value (value - 1 where 0 means none);
// a value without an entry leaves it unselected, noting the value.
TEST(EnemyForm, ShowsEachStoredValueAsItsControlCan)
{
    constexpr int none = KEEP_STORED;
    const std::tuple<Field, std::uint32_t, int> shown[]{
        {TheFlag, 1, 1},        {TheFlag, 2, none},      {Type, 2, 2},
        {Type, 3, none},        {InsidePic, 256, none},  {OutsidePic, 0, none},
        {OutsidePic, 463, 462}, {OutsidePic, 464, none}, {Music, 191, 191},
        {ItemFreq, 8, none},    {Item, 255, 255},        {Action1, 318, 318},
        {Action1, 319, none},   {DeathSound, 2, none}};
    for (const auto &[field, value, position] : shown) {
        FormValues form = FormFromRecord(RecordOf({{field, value}}));
        EXPECT_EQ(At(form, field).position, position) << FieldName(field) << " " << value;
        EXPECT_EQ(At(form, field).text,
                  position == none && value ? "(stored value " + std::to_string(value) + ")" : "");
    }
    // An argument offers as many entries as its action's kind: 1, 255, 230 or 255.
    const std::tuple<std::uint32_t, std::uint32_t, int> arguments[]{
        {0, 1, 0},        {0, 2, none},    {10, 255, 254}, {62, 230, 229},
        {245, 231, none}, {140, 255, 254}, {319, 1, none}, {10, 0, none}};
    for (const auto &[action, argument, position] : arguments) {
        FormValues form = FormFromRecord(RecordOf({{Action3, action}, {Argument3, argument}}));
        EXPECT_EQ(At(form, Argument3).position, position) << action << " " << argument;
    }
    EXPECT_EQ(PsiArgumentLabels().front(), "PSI Special 1");
    EXPECT_EQ(ItemArgumentLabels().front(), ItemLabels()[1]); // never "0 - Null"
}

// What the controls hold is stored back into the record shown (the window
// tests give the bytes of each kind); the first field in record order that
// refuses its text is reported.
TEST(EnemyForm, ReportsTheFirstRefusedFieldInRecordOrder)
{
    const EnemyRecord shown;
    FormValues form = FormFromRecord(shown);
    At(form, MaxCall).text = "256";
    At(form, HP).text = "12x";
    for (const auto &[name, field] : {std::pair{"", HP}, {"Caf\xC3\xA9", Name}}) {
        At(form, Name).text = name;
        const FieldError refusal = std::get<FieldError>(RecordFromForm(form, shown));
        EXPECT_EQ(refusal.field, field) << name;
        EXPECT_EQ(refusal.text, field == HP ? "12x" : name);
    }
}

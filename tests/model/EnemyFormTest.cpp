#include "EnemyForm.h"

#include <gtest/gtest.h>

using namespace mobwright;
using enum Field;

// A list shows the entry for the stored value, or none and a note when it has no entry for it;
// an argument has an entry for each that its action's kind offers.
TEST(EnemyForm, ShowsEachStoredValueAsItsControlCan)
{
    constexpr int none = KEEP_STORED;
    const std::tuple<Field, std::uint32_t, Field, std::uint32_t, int> shown[]{
        {TheFlag, 2, Type, 2, none},          {Type, 2, Music, 191, 2},
        {InsidePic, 256, Item, 255, none},    {OutsidePic, 0, Type, 0, none},
        {OutsidePic, 463, Type, 0, 462},      {ItemFreq, 8, Type, 0, none},
        {Argument3, 2, Action3, 0, none},     {Argument3, 255, Action3, 10, 254},
        {Argument3, 231, Action3, 245, none}, {Argument3, 1, Action3, 319, none}};
    for (const auto &[field, value, other, otherValue, position] : shown) {
        EnemyRecord record;
        record.setValue(other, otherValue);
        record.setValue(field, value);
        const ControlValue shows = FormFromRecord(record)[std::size_t(field)];
        EXPECT_EQ(shows.position, position) << FieldName(field) << " " << value;
        EXPECT_EQ(shows.text,
                  position == none && value ? "(stored value " + std::to_string(value) + ")" : "");
    }
}

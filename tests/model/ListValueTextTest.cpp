#include "DataLines.h"
#include "EnemyLabels.h"
#include "PendingEdits.h"

#include <gtest/gtest.h>

using namespace mobwright;

namespace {

Field FieldCalled(const std::string &key)
{
    for (const FieldLayout &layout : EnemyLayout) {
        if (layout.key == key)
            return layout.field;
    }
    throw std::invalid_argument("no field " + key);
}

} // namespace

// Each line of list_values.txt is typed into a field as a cell takes it.
TEST(ListValueText, ListFieldsTakeNumbersLabelsAndNamesAsTheirDataFileSays)
{
    ListLabels labels;
    std::vector<std::string> music = labels.baseLabels(LongList::Music);
    music[0x5B] = "5B - Boss Battle";
    labels.setBase(LongList::Music, music);
    const EntryNaming naming{&labels, [](int enemy) {
                                 const char *names[] = {"Bat", "Bat Queen", "Rat"};
                                 const int named = enemy == 7 ? 0 : enemy == 8 ? 1 : enemy == 20 ? 2 : -1;
                                 return EnemyNumber(enemy) + ": " + (named < 0 ? "" : names[named]);
                             }};
    EnemyRecord record;
    for (const auto &[slot, code] : {std::pair{0, 62}, {1, 10}, {2, 140}, {3, 0}})
        record.setValue(ActionField(slot), static_cast<std::uint32_t>(code));

    int cases = 0;
    for (const auto &parts : test::DataLines(LIST_VALUES_FILE, 4)) {
        const std::string line = parts[0] + " | " + parts[1] + " | " + parts[2];
        const Field field = FieldCalled(parts[0]);
        const ValueReading reading{naming, parts[1] == "listed" ? NumberForm::Listed : NumberForm::Stored};
        const auto checked = WithFieldText(record, field, parts[2], record, reading);
        const auto *taken = std::get_if<EnemyRecord>(&checked);
        const std::string got = taken ? std::to_string(taken->value(field))
                                      : "refused: " + std::get<Refusal>(checked).message();
        const std::string refused = "refused: ";
        if (parts[3].starts_with(refused))
            EXPECT_TRUE(got.starts_with(refused) && got.find(parts[3].substr(refused.size())) != std::string::npos)
                << line << "\n" << got;
        else
            EXPECT_EQ(got, parts[3]) << line;
        ++cases;
    }
    EXPECT_GT(cases, 40);
}

#include "LabelForms.h"
#include "ListLabels.h"
#include "TableCells.h"
#include "TableColumns.h"

#include <gtest/gtest.h>

using namespace mobwright;

namespace {

QString Shown(const char *column, int enemy, const EnemyTable &table)
{
    return DisplayText(*FindColumn(QString::fromLatin1(column)), enemy, table);
}

// The built-in labels of the inside pictures, with entry 2 named.
ListLabels WithInsidePicture2Named(const std::string &name)
{
    ListLabels labels;
    std::vector<std::string> base = labels.baseLabels(LongList::InsidePic);
    const std::string_view old = NameInLabel(LongList::InsidePic, 2, base[2]);
    base[2] = base[2].substr(0, base[2].size() - old.size()) + name;
    labels.setBase(LongList::InsidePic, std::move(base));
    return labels;
}

} // namespace

// A list cell shows its value and the name of the entry it picks, without
// the number the entry's label carries: from a fixed list, a long list as
// built in or as the window labels it, an enemy a call names, a PSI; a value
// no entry takes shows alone.
TEST(TableCells, ListCellsShowTheirValueAndTheNameOfTheirEntry)
{
    std::vector<EnemyRecord> records(ENEMY_COUNT);
    std::ranges::copy(std::vector<std::uint8_t>{0x72, 0x91, 0xA4}, records[7].bytes(Field::Name).begin());
    EnemyRecord &shown = records[3];
    shown.setValue(Field::Type, 1);
    shown.setValue(Field::OutsidePic, 440);
    shown.setValue(Field::InsidePic, 2);
    shown.setValue(Field::Action1, 62); // calls the enemy its argument names
    shown.setValue(Field::Argument1, 8);
    shown.setValue(Field::Action2, 10); // a PSI
    shown.setValue(Field::Argument2, 1);
    shown.setValue(Field::Music, 0xF0);
    EnemyTable table(std::move(records));
    const ListLabels named = WithInsidePicture2Named("Sand Crab");

    const struct
    {
        const char *column;
        const char *builtIn;
        const char *labelled;
    } cases[] = {
        {"Type", "1 – Insect", "1 – Insect"},
        {"TheFlag", "0 – clear", "0 – clear"},
        {"OutsidePic", "440 – Invisible", "440 – Invisible"},
        {"InsidePic", "2 – (unnamed)", "2 – Sand Crab"},
        {"Action1", "62 – Call for help", "62 – Call for help"},
        {"Argument1", "8 – Bat", "8 – Bat"},
        {"Argument2", "1 – PSI Special 1", "1 – PSI Special 1"},
        {"Music", "F0", "F0"},
        {"HP", "0", "0"},
    };
    for (const auto &c : cases) {
        table.longLabels = nullptr;
        EXPECT_EQ(Shown(c.column, 3, table).toStdString(), c.builtIn) << c.column;
        table.longLabels = &named;
        EXPECT_EQ(Shown(c.column, 3, table).toStdString(), c.labelled) << c.column;
    }
}

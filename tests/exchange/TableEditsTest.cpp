#include "ColumnValues.h"
#include "DataLines.h"
#include "RowFilter.h"
#include "SavedFilters.h"
#include "TableEdits.h"
#include "TypedAdjustment.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace mobwright;

namespace {

// The table that filters.txt and adjustments.txt tell of.
EnemyTable Table()
{
    std::vector<EnemyRecord> records(ENEMY_COUNT);
    for (int k = 0; k < ENEMY_COUNT; ++k) {
        EnemyRecord &record = records[std::size_t(k)];
        const auto u = static_cast<unsigned>(k);
        record.setValue(Field::HP, 1000u + 10u * u);
        record.setValue(Field::Type, u % 3);
        record.setValue(Field::Music, k % 4 == 0 ? 0x5B : 1);
        record.setValue(Field::Action1, k % 10 == 0 ? 62 : 0);
        record.setValue(Field::Level, u % 100);
        record.setValue(Field::Exp, 100u * u);
        if (k % 5 == 0)
            std::ranges::copy(std::vector<std::uint8_t>{0x72, 0x91, 0xA4}, record.bytes(Field::Name).begin());
    }
    return EnemyTable(std::move(records));
}

const Column *Named(const char *name)
{
    return FindColumn(QString::fromLatin1(name));
}

} // namespace

TEST(RowFilter, KeepsTheRowsThatMeetEveryTermOrSaysWhyItCannotBeRead)
{
    const EnemyTable table = Table();
    for (const auto &c : test::DataLines(TEST_DATA_DIR "/filters.txt", 2)) {
        const auto filter = RowFilter::parse(QString::fromStdString(c[1]), table);
        std::string got;
        if (const auto *refusal = std::get_if<Refusal>(&filter)) {
            got = "refused: " + refusal->message();
        } else {
            int rows = 0;
            for (int k = 0; k < ENEMY_COUNT; ++k)
                rows += std::get<RowFilter>(filter).matches(k, table) ? 1 : 0;
            got = std::to_string(rows);
        }
        EXPECT_TRUE(c[0].starts_with("refused: ") ? got.find(c[0].substr(9)) != std::string::npos && got.starts_with("refused: ")
                                                : got == c[0])
            << c[1] << "\n" << got;
    }
}

// A column's values with their counts, in the column's order, and the term
// that keeps the rows showing those ticked.
TEST(RowFilter, ColumnValuesAreCountedAndTickedOnesMakeATerm)
{
    const EnemyTable table = Table();
    std::vector<int> rows(ENEMY_COUNT);
    std::iota(rows.begin(), rows.end(), 0);
    EXPECT_EQ(DistinctValues(*Named("Type"), table, rows),
              (std::vector<DistinctValue>{{"0 – Normal", 77}, {"1 – Insect", 77}, {"2 – Metal", 76}}));
    EXPECT_EQ(DistinctValues(*Named("Music"), table, {0, 1, 4}),
              (std::vector<DistinctValue>{{"01 – Gas station", 1}, {"5B – (unnamed)", 2}}));
    EXPECT_EQ(OneOfTerm(*Named("Name"), {"Bat", "Say \"hi\""}), QString(R"(Name = "Bat" | "Say ""hi""")"));
    const auto ticked = RowFilter::parse(OneOfTerm(*Named("Type"), {"1 – Insect", "2 – Metal"}), table);
    EXPECT_EQ(std::ranges::count_if(rows, [&](int k) { return std::get<RowFilter>(ticked).matches(k, table); }), 153);
}

TEST(RowFilter, SavedFiltersKeepTheirTextUnderANameOfAnyCase)
{
    SavedFilters saved;
    saved.save("Strong", "HP > 3000");
    saved.save("Bats", "Name ~ bat");
    saved.save(" strong ", "HP > 4000");
    EXPECT_TRUE(saved.save(" ", "HP > 1").has_value());
    const SavedFilters again(saved.stored());
    EXPECT_EQ(again.all(), (std::vector<std::pair<QString, QString>>{{"strong", "HP > 4000"}, {"Bats", "Name ~ bat"}}));
    EXPECT_EQ(again.textOf("BATS"), "Name ~ bat");
    saved.remove("bats");
    EXPECT_FALSE(saved.textOf("Bats"));
}

// Many cells set as one: any refused cell refuses them all, naming the first few.
TEST(TableEdits, CellsTakeTextAsTheFormDoesAndOneRefusalRefusesAll)
{
    const EnemyTable table = Table();
    const PendingOf pendingOf = [&](int k) {
        const EnemyRecord &record = table.records[std::size_t(k)];
        return PendingRecord{record, record, {}};
    };
    const auto taken = SetCells({{{1, Named("HP")}, "77"}, {{1, Named("Byte 26")}, "3"},
                                 {{2, Named("Action1")}, "62"}},
                                pendingOf);
    const auto &records = std::get<std::map<int, PendingRecord>>(taken);
    EXPECT_EQ(records.at(1).target.value(Field::HP), 77u);
    EXPECT_EQ(records.at(1).target.bytes(26, 1)[0], 3);
    EXPECT_EQ(records.at(2).target.value(Field::Argument1), 1u) << "a call takes its first enemy";
    // Pasted text names a list's entries as the table shows them.
    const auto pasted = std::get<std::map<int, PendingRecord>>(
        SetCells({{{3, Named("Type")}, "Insect"}, {{3, Named("Music")}, "0x5b"}, {{4, Named("Music")}, "5B"}},
                 pendingOf, {NamingOf(table), NumberForm::Listed}));
    EXPECT_EQ(pasted.at(3).target.value(Field::Type), 1u);
    EXPECT_EQ(pasted.at(3).target.value(Field::Music), 0x5Bu);
    EXPECT_EQ(pasted.at(4).target.value(Field::Music), 0x5Bu);

    std::vector<CellEdit> edits;
    for (int k = 0; k < 8; ++k)
        edits.push_back({{k, Named(k == 0 ? "HP" : "Byte 26")}, k == 0 ? "9" : "256"});
    const auto refused = std::get<std::vector<Refusal>>(SetCells(edits, pendingOf));
    ASSERT_EQ(refused.size(), 5u);
    EXPECT_EQ(refused.front().message(),
              "Enemy 002, column \"Byte 26\": cannot take \"256\". It accepts a whole number from 0 to 255.");
}

TEST(TableEdits, AdjustingRoundsAndClampsOrRefusesLeavingOtherCellsAlone)
{
    const EnemyTable table = Table();
    const PendingOf pendingOf = [&](int k) {
        const EnemyRecord &record = table.records[std::size_t(k)];
        return PendingRecord{record, record, {}};
    };
    using enum Adjustment::Operation;
    const std::vector<TableCell> cells{{0, Named("HP")}, {5, Named("HP")}, {5, Named("Name")},
                                       {229, Named("Level")}};
    const std::map<std::string, Adjustment::Operation> operations{
        {"set", SetTo}, {"add", Add}, {"multiply", MultiplyBy}, {"formula", Formula}};
    for (const auto &c : test::DataLines(TEST_DATA_DIR "/adjustments.txt", 4)) {
        const QString text = QString::fromStdString(c[1]);
        const Adjustment adjustment =
            c[0].starts_with("typed ")
                ? ReadAdjustment(text, operations.at(c[0].substr(6)), c[2] == "clamp")
                : Adjustment{operations.at(c[0]), std::atof(c[1].c_str()), c[2] == "clamp", text};
        const auto adjusted = AdjustedTexts(cells, adjustment, pendingOf);
        std::string got;
        if (const auto *done = std::get_if<std::vector<CellEdit>>(&adjusted)) {
            for (const CellEdit &edit : *done)
                got += (got.empty() ? "" : " ") + edit.text;
        } else {
            got = "refused: " + std::get<std::vector<Refusal>>(adjusted).front().message();
        }
        EXPECT_TRUE(c[3].starts_with("refused: ") ? got.find(c[3].substr(9)) != std::string::npos : got == c[3])
            << c[0] << " " << c[1] << "\n" << got;
    }
}

// Rows and cells beyond those asked for are not split: no paste holds more
// strings than the table has cells.
TEST(TableEdits, PastedTextIsRowsOfTabSeparatedCells)
{
    const auto rows = SplitPastedText(QStringLiteral("1\t2\t3\r\n\t4\n5\n"), 2, 2);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (QStringList{"1", "2"}));
    EXPECT_EQ(rows[1], (QStringList{"", "4"}));
}

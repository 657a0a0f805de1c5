#include "GameText.h"
#include "ExchangeHarness.h"
#include "ImportPlan.h"
#include "JsonTable.h"
#include "RecordStore.h"
#include "RomFile.h"
#include "TableExport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <random>

using namespace mobwright;
using namespace mobwright::test;

namespace {

std::vector<EnemyRecord> Records(const TestImage &image)
{
    RomFile rom = RomFile::open(image.path());
    return ReadAllRecords(rom);
}

TextTable Exported(const TestImage &image)
{
    return ExportTable(EnemyTable(Records(image)));
}

struct Kind
{
    std::uint64_t size;
    const char *format; // its key, which is also its file's extension
};

class TableRoundTrip : public testing::TestWithParam<Kind>
{
protected:
    TableRoundTrip() { image_.fillRandom(static_cast<std::uint32_t>(GetParam().size)); }

    CommandRun import(const TextTable &table, const QStringList &options = {})
    {
        const FileFormat &format = *FormatHelper({FormatKind::Table}).byKey(GetParam().format);
        const QString file = WriteFile(image_, u'.' + format.key, format.writeTable(table));
        return RunCommand(QStringList{QStringLiteral("import"), PathOf(image_), file} + options);
    }

    TestImage image_{GetParam().size};
};

// A cell to change and the record offsets that it alone may change.
struct CellEdit
{
    const char *column;
    const char *text;
    int firstOffset;
    int width;
};

} // namespace

TEST_P(TableRoundTrip, ImportingAnExportWritesNothing)
{
    const auto before = image_.contents();
    const CommandRun run = import(Exported(image_));
    EXPECT_EQ(run.status, EXIT_DONE) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("nothing to write"));
    EXPECT_EQ(image_.contents(), before);
}

// The README's promise that an export holds every byte and importing it
// restores them: it gives back the records it was made from, imported into
// any other image of its form: names whose bytes go on after their end
// mark or hold codes without a character, and, when asked for, values that
// no list names.
TEST_P(TableRoundTrip, ImportingAnExportRestoresEveryByte)
{
    for (std::uint32_t seed = 1; seed <= 3; ++seed) {
        image_.fillRandom(seed);
        std::vector<std::uint8_t> contents = image_.contents();
        // Names whose text gives all their bytes back are exported without them.
        for (int k = 0; k < ENEMY_COUNT; k += 3)
            std::ranges::copy(GameText::Encode("Clean"),
                              contents.begin() + image_.recordOffset(k) + 1);
        image_.setBytes(0, contents);
        const TextTable table = Exported(image_);
        const std::vector<EnemyRecord> exported = Records(image_);
        image_.fillRandom(seed + 100);
        const CommandRun refused = import(table);
        EXPECT_EQ(refused.status, EXIT_REFUSED);
        EXPECT_TRUE(refused.err.contains(" values that no list names would be written"))
            << refused.err.toStdString();
        const CommandRun run = import(table, {"--allow-unlisted"});
        ASSERT_EQ(run.status, EXIT_DONE) << run.err.toStdString();
        ASSERT_TRUE(Records(image_) == exported) << "seed " << seed;
    }
}

TEST_P(TableRoundTrip, OneEditedCellChangesOnlyItsFieldsBytes)
{
    const CellEdit edits[] = {
        {"HP", "40000", 33, 2},  {"Exp", "100000", 37, 4},  {"StartText", "c5abcd", 45, 3},
        {"Byte 48", "7", 48, 1}, {"Byte 26", "0", 26, 1},   {"Name", "Rust Beetle", 1, 25},
        {"Music", "191", 55, 1}, {"Type", "2", 27, 1},      {"OutsidePic", "0", 30, 2},
        {"Action1", "4", 70, 2}, {"Argument1", "1", 80, 1}, {"Money", "-1", 41, 2},
    };
    for (const CellEdit &edit : edits) {
        SCOPED_TRACE(edit.column);
        const auto before = image_.contents();
        TextTable table = Exported(image_);
        const qsizetype column = table.header.indexOf(QString::fromLatin1(edit.column));
        table.rows[7][column] = QString::fromLatin1(edit.text);
        // A new name is its text alone; bytes given with it must read as it does.
        if (table.header[column] == "Name")
            table.rows[7][column + 1].clear();
        const CommandRun run = import(table);
        ASSERT_EQ(run.status, EXIT_DONE) << run.err.toStdString();

        auto expected = before;
        const auto after = image_.contents();
        const std::size_t first =
            image_.recordOffset(7) + static_cast<std::size_t>(edit.firstOffset);
        std::copy_n(after.begin() + first, edit.width, expected.begin() + first);
        ASSERT_TRUE(after == expected) << "bytes outside the field changed";
        // What the file gave is what an export now reads, in stored form.
        const TextTable again = Exported(image_);
        for (qsizetype c = 0; c < table.header.size(); ++c) {
            if (!table.header[c].endsWith(" label") && table.header[c] != "Name bytes" &&
                c != column) {
                EXPECT_EQ(again.rows[7][c], table.rows[7][c]) << table.header[c].toStdString();
            }
        }
    }
    EXPECT_EQ(image_.recordBytes(7)[41], 0xFF) << "a negative number is stored in two's complement";
}

INSTANTIATE_TEST_SUITE_P(HeaderKinds, TableRoundTrip,
                         testing::Values(Kind{MIN_IMAGE_SIZE, "csv"}, Kind{HEADERLESS_IMAGE_SIZE, "json"}),
                         [](const auto &info) {
                             return info.param.size == MIN_IMAGE_SIZE ? "HeaderCsv" : "HeaderlessJson";
                         });

// Written as text, a JSON export is byte for byte what Qt's writer made of it.
TEST(JsonExport, IsWhatQtsJsonWriterWrites)
{
    QString controls;
    for (char16_t c = 1; c < 0x80; ++c)
        controls += QChar(c);
    const QStringList texts{controls, QString::fromUtf8("é ∑ \u2028 😀"), ""};
    const QStringList numbers{"0",  "100000", "4294967295", "-3",  "0.5", "1e21", "", "abc", "-0",
                              "inf", "007", "123456789012345678", "9007199254740993", "-12"};
    TextTable table{.header = {"Zed", "HP", "Name \"x\"", "Action"}, .numeric = {true, true, false}};
    for (qsizetype k = 0; k < numbers.size(); ++k)
        table.addRow({numbers[k], numbers[(k + 3) % numbers.size()], texts[k % 3], texts[(k + 1) % 3]},
                     static_cast<int>(k + 1));
    QJsonArray rows;
    for (const QStringList &row : table.rows) {
        QJsonObject object;
        for (qsizetype i = 0; i < table.header.size(); ++i)
            object.insert(table.header[i], i < 2 ? QJsonValue(row[i].toDouble()) : QJsonValue(row[i]));
        rows.append(object);
    }
    EXPECT_EQ(WriteJson(table), QJsonDocument(rows).toJson(QJsonDocument::Indented));
    table.rows.clear();
    EXPECT_EQ(WriteJson(table), QJsonDocument(QJsonArray()).toJson(QJsonDocument::Indented));
}

// An argument reads by its action, so an import that changes only the action
// tells how the argument reads now.
TEST(ImportChanges, AnActionChangedAloneRetellsItsArgument)
{
    EnemyRecord before{};
    before.setValue(Field::Action1, 4);
    before.setValue(Field::Argument1, 3);
    EnemyRecord after = before;
    after.setValue(Field::Action1, 140);
    const EnemyTable table(std::vector<EnemyRecord>(ENEMY_COUNT, before));
    QStringList columns;
    for (const CellChange &cell : ChangedCells({{0, before, after}}, table))
        columns.append(cell.column);
    EXPECT_EQ(columns, QStringList({ColumnName(Field::Action1), ColumnName(Field::Argument1)}));
}

// A number column's most digits are those of its largest value: the table
// sizes such columns by them without reading a cell.
TEST(TableColumns, NumberColumnsHoldTheirLargestValueInTheirMostDigits)
{
    std::array<std::uint8_t, ENEMY_RECORD_SIZE> full{};
    full.fill(0xff);
    const EnemyTable table(std::vector<EnemyRecord>(ENEMY_COUNT, EnemyRecord::fromBytes(full)));
    int numbers = 0;
    for (const Column &column : TableColumns()) {
        if (column.mostDigits() == 0)
            continue;
        ++numbers;
        EXPECT_EQ(CellText(column, ENEMY_COUNT - 1, table).size(), column.mostDigits()) << column.name.toStdString();
    }
    EXPECT_GT(numbers, 30);
}

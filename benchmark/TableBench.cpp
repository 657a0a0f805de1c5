#include "TableBench.h"

#include "CsvTable.h"
#include "ImportPlan.h"
#include "RomFile.h"
#include "Stats.h"
#include "TableExport.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QWidget>

namespace mobwright::bench {
namespace {

// The table with every enemy's Money set to money, as a spreadsheet would save it.
QByteArray CsvWithMoney(const EnemyTable &table, int money, int enemies)
{
    TextTable text = ExportTable(table);
    const qsizetype column = text.header.indexOf(QStringLiteral("Money"));
    for (int k = 0; k < enemies; ++k)
        text.rows[static_cast<std::size_t>(k)][column] = QString::number(money);
    return WriteCsv(text);
}

// The table as the window reads it, with the long lists named from the image.
EnemyTable Table(RomFile &rom, const ListLabels &names)
{
    EnemyTable table(ReadAllRecords(rom));
    table.longLabels = &names;
    return table;
}

ImportPlan Plan(const QByteArray &csv, RomFile &rom, const ListLabels &names)
{
    return std::get<ImportPlan>(PlanImport(std::get<TextTable>(ReadCsv(csv)), Table(rom, names)));
}

} // namespace

void MeasureTable(int repetitions, const QString &image, Main &window)
{
    RomFile rom = RomFile::Open(QFile::encodeName(image).toStdString());
    ListLabels names;
    names.readImage(rom);
    PrintRow("Exporting all 230 records as CSV (one read)",
             Measure(repetitions, [&](int) { WriteCsv(ExportTable(Table(rom, names))); }));
    const QByteArray unchanged = CsvWithMoney(Table(rom, names), 0, 0);
    PrintRow("Import dry run of a full CSV",
             Measure(repetitions, [&](int) { Plan(unchanged, rom, names); }));

    const int reps = std::max(5, repetitions / 4);
    const EnemyTable table = Table(rom, names);
    const QByteArray forty[] = {CsvWithMoney(table, 1111, 40), CsvWithMoney(table, 2222, 40)};
    PrintRow("Import changing 40 records, with its one sync", Measure(reps, [&](int i) {
                 ReplaceRecords(rom, Plan(forty[i % 2], rom, names).records);
             }));
    PrintRow("  of which the one sync alone", Measure(reps, [&](int) { rom.Sync(); }));
    rom.Close();

    auto *openTable = window.findChild<QAction *>("mnuTable");
    openTable->trigger();
    auto *view = window.findChild<QWidget *>("frmEnemyTable");
    PrintRow("Opening the enemy table view, painted", Measure(repetitions, [&](int) {
                 view->close();
                 openTable->trigger();
                 QCoreApplication::processEvents();
             }));
}

} // namespace mobwright::bench

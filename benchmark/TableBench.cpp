#include "TableBench.h"

#include "CsvTable.h"
#include "ImportPlan.h"
#include "ImageSession.h"
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

// The table as the file holds it, with the long lists named from the image.
EnemyTable Table(const ImageSession &session)
{
    EnemyTable table(session.storedRecords());
    table.longLabels = &session.labels();
    return table;
}

ImportPlan Plan(const QByteArray &csv, const ImageSession &session)
{
    return std::get<ImportPlan>(PlanImport(ReadCsv(csv).table, Table(session)));
}

} // namespace

void MeasureTable(int repetitions, const QString &image, Main &window)
{
    ImageSession session;
    session.open(QFile::encodeName(image).toStdString());
    PrintRow("Exporting all 230 records as CSV",
             Measure(repetitions, [&](int) { WriteCsv(ExportTable(Table(session))); }));
    const QByteArray unchanged = CsvWithMoney(Table(session), 0, 0);
    PrintRow("Import dry run of a full CSV",
             Measure(repetitions, [&](int) { Plan(unchanged, session); }));

    const int reps = std::max(5, repetitions / 4);
    const EnemyTable table = Table(session);
    const QByteArray forty[] = {CsvWithMoney(table, 1111, 40), CsvWithMoney(table, 2222, 40)};
    PrintRow("Import changing 40 records, with its one sync", Measure(reps, [&](int i) {
                 session.writeChanges(Plan(forty[i % 2], session).records,
                                      QStringLiteral("Import"));
             }));
    session.close();

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

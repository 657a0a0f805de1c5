#include "TableBench.h"

#include "BenchPrompter.h"

#include "CsvTable.h"
#include "ImportPlan.h"
#include "EnemyTableModel.h"
#include "EnemyTableView.h"
#include "ImageSession.h"
#include "JsonTable.h"
#include "Stats.h"
#include "TableExport.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QMimeData>
#include <QTableView>
#include <QWidget>

#include <memory>

#include <unistd.h>

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

// The process's resident memory now.
double ResidentMiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    statm.open(QIODevice::ReadOnly);
    const double pages = statm.readAll().split(' ').value(1).toDouble();
    return pages * static_cast<double>(::sysconf(_SC_PAGESIZE)) / (1 << 20);
}

// What a paste the table refuses for its size leaves in memory, the text
// already on the clipboard as another program puts it there: bytes, which
// the paste makes text of.
void MeasureRefusedPaste(MainWindow &window)
{
    auto *copied = new QMimeData;
    copied->setData(QStringLiteral("text/plain"), QByteArray("7\t").repeated(10 << 20));
    QApplication::clipboard()->setMimeData(copied);
    const double before = ResidentMiB();
    QString told;
    auto &prompter = static_cast<bench::BenchPrompter &>(window.prompter());
    const auto stop =
        std::exchange(prompter.onWarning, [&told](const QString &message) { told = message; });
    window.findChild<QAction *>("mnuPasteCells")->trigger();
    QCoreApplication::processEvents();
    if (!told.startsWith(QStringLiteral("Nothing was pasted")))
        qFatal("The paste was not refused: %s", qPrintable(told));
    Print({"Resident memory a refused 20 MB paste adds", "MiB", 40}, ResidentMiB() - before);
    prompter.onWarning = stop;
    QApplication::clipboard()->clear();
}

ImportPlan Plan(const QByteArray &csv, const ImageSession &session)
{
    return std::get<ImportPlan>(PlanImport(ReadCsv(csv).table, Table(session)));
}

// Each time in a window of its own that has not built its table view yet.
void MeasureFirstTableOpening(int repetitions, const QString &image)
{
    std::unique_ptr<MainWindow> window;
    Print({"Opening the enemy table view the first time, painted", "ms", 6},
          Measure(
              repetitions,
              [&](int) {
                  window = std::make_unique<MainWindow>();
                  window->loadImage(image);
                  QCoreApplication::processEvents();
              },
              [&](int) {
                  window->findChild<QAction *>("mnuTable")->trigger();
                  QCoreApplication::processEvents();
              }));
    window.reset(); // so that it weighs on no other row
}

} // namespace

void MeasureTable(int repetitions, const QString &image, MainWindow &window)
{
    ImageSession session;
    session.open(QFile::encodeName(image).toStdString());
    const Timing csv = Measure(repetitions, [&](int) { WriteCsv(ExportTable(Table(session))); });
    Print({"Exporting all 230 records as CSV", "ms", 5}, csv);
    const Timing json = Measure(repetitions, [&](int) { WriteJson(ExportTable(Table(session))); });
    Print({"Exporting all 230 records as JSON", "ms", 5}, json);
    Print({"Exporting, JSON / CSV", "x", 1.5}, json.median / csv.median);
    const QByteArray unchanged = CsvWithMoney(Table(session), 0, 0);
    const Timing csvPlan = Measure(repetitions, [&](int) { Plan(unchanged, session); });
    Print({"Import dry run of a full CSV", "ms", 10}, csvPlan);
    const Timing csvCells = Measure(repetitions, [&](int) { ReadCsv(unchanged); });
    Print({"Reading a full CSV's cells alone", "ms", 5}, csvCells);
    Print({"Import dry run of a CSV / reading its cells", "x", 3}, csvPlan.median / csvCells.median);
    const QByteArray asJson = WriteJson(ExportTable(Table(session)));
    const Timing jsonPlan = Measure(repetitions, [&](int) {
        PlanImport(ReadJson(asJson).table, Table(session));
    });
    Print({"Import dry run of a full JSON", "ms", 10}, jsonPlan);
    Print({"Import dry run, JSON / CSV", "x", 1.3}, jsonPlan.median / csvPlan.median);
    const QByteArray one = CsvWithMoney(Table(session), 3333, 1);
    const Timing planOne = Measure(repetitions, [&](int) { Plan(one, session); });
    Print({"Import dry run changing 1 record", "ms", 10}, planOne);
    const QByteArray all = CsvWithMoney(Table(session), 3333, ENEMY_COUNT);
    const Timing planAll = Measure(repetitions, [&](int) { Plan(all, session); });
    Print({"Import dry run changing all 230 records", "ms", 10}, planAll);
    Print({"Import dry run, 230 changed records / 1", "x", 1.5}, planAll.median / planOne.median);

    const int reps = std::max(5, repetitions / 4);
    const EnemyTable table = Table(session);
    const QByteArray forty[] = {CsvWithMoney(table, 1111, 40), CsvWithMoney(table, 2222, 40)};
    Print({"Import changing 40 records, with its one sync", "ms", 10}, Measure(reps, [&](int i) {
              session.writeChanges(Plan(forty[i % 2], session).records, QStringLiteral("Import"));
          }));
    session.close();

    MeasureFirstTableOpening(reps, image);
    auto *openTable = window.findChild<QAction *>("mnuTable");
    openTable->trigger();
    auto *view = window.findChild<EnemyTableView *>("frmEnemyTable");
    Print({"Opening the enemy table view again, painted", "ms", 3}, Measure(repetitions, [&](int) {
              view->close();
              openTable->trigger();
              QCoreApplication::processEvents();
          }));

    // Two columns of every row: what a paste from a spreadsheet gives.
    auto *cells = view->findChild<QTableView *>("tblEnemies");
    const int hp = view->model().sectionOf(*FindColumn(QStringLiteral("HP")));
    const QString pastes[] = {QStringLiteral("100\t5\n").repeated(ENEMY_COUNT),
                              QStringLiteral("200\t6\n").repeated(ENEMY_COUNT)};
    Print({"Pasting 230 x 2 cells into the table"}, Measure(repetitions, [&](int i) {
              cells->selectionModel()->select(cells->model()->index(0, hp),
                                              QItemSelectionModel::ClearAndSelect);
              view->pasteText(pastes[i % 2]);
          }));
    window.session().setSyncAfterWrite(false);
    auto *applyAll = window.findChild<QAction *>("mnuApplyAll");
    Print({"Apply All of 230 pending enemies, without the sync"},
          Measure(
              reps,
              [&](int i) { // a paste first, untimed, gives the edits
                  cells->selectionModel()->select(cells->model()->index(0, hp),
                                                  QItemSelectionModel::ClearAndSelect);
                  view->pasteText(pastes[i % 2]);
              },
              [&](int) { applyAll->trigger(); }));
    window.session().setSyncAfterWrite(true);
    MeasureRefusedPaste(window);
}

} // namespace mobwright::bench

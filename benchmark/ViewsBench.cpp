#include "ViewsBench.h"

#include "BenchPrompter.h"
#include "Stats.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QWidget>

#include <functional>
#include <memory>

namespace mobwright::bench {
namespace {

// The targets are the enemy table view's: a view of the numbers costs no
// more to open than the table of them.
constexpr double TABLE_FIRST_OPENING = 6;
constexpr double TABLE_OPENING_AGAIN = 3;

// Three types of enemy, as the game has, rather than the random image's
// 256: the chart draws a series for each.
void GiveThreeTypes(const QString &image)
{
    QFile file(image);
    file.open(QIODevice::ReadWrite);
    for (int k = 0; k < ENEMY_COUNT; ++k) {
        file.seek(EnemyRecordOffset(EnemyTableOffset(ImageKind::CopierHeader), k) + LayoutOf(Field::Type).offset);
        file.putChar(char(k % 3));
    }
}

// A window whose warnings stop the benchmark rather than wait for a click.
std::unique_ptr<MainWindow> WindowOn(const QString &image)
{
    auto window = std::make_unique<MainWindow>(std::make_unique<BenchPrompter>(QStringList{image}));
    window->loadImage(image);
    return window;
}

void Trigger(MainWindow &window, const char *entry)
{
    window.findChild<QAction *>(entry)->trigger();
    QCoreApplication::processEvents();
}

// Each time in a window of its own that has not built the view yet, made
// ready by prepare.
void MeasureFirstOpening(int repetitions, const QString &image, const char *entry, const Row &row,
                         const std::function<void(MainWindow &)> &prepare)
{
    std::unique_ptr<MainWindow> window;
    Print(row, Measure(
                   repetitions,
                   [&](int) {
                       window.reset(); // which has the image open
                       window = WindowOn(image);
                       prepare(*window);
                       QCoreApplication::processEvents();
                   },
                   [&](int) { Trigger(*window, entry); }));
    window.reset(); // so that it weighs on no other row
}

// The first chart a process shows loads the chart module, and Qt Charts with
// it: once a session, so timed once, before any other chart is shown.
void MeasureFirstChartOfASession(const QString &image)
{
    const auto window = WindowOn(image);
    QCoreApplication::processEvents();
    Print({"Opening the first chart of a session, its module loaded, painted"},
          TimeOnce([&] { Trigger(*window, "mnuChart"); }));
}

// A long session: a step for each enemy's HP.
void EditEveryHp(MainWindow &window)
{
    for (int k = 0; k < ENEMY_COUNT; ++k)
        window.session().editField(k, Field::HP, ControlValue{std::to_string(k + 1)});
}

} // namespace

void MeasureViews(int repetitions, const QString &image, MainWindow &window)
{
    const int reps = std::max(5, repetitions / 4);
    GiveThreeTypes(image);
    MeasureFirstChartOfASession(image);
    MeasureFirstOpening(reps, image, "mnuChart",
                        {"Opening the chart the first time, painted (table view's target)", "ms",
                         TABLE_FIRST_OPENING},
                        [](MainWindow &) {});
    MeasureFirstOpening(reps, image, "mnuHistory",
                        {"Opening the history of 230 steps the first time, painted (table view's "
                         "target)",
                         "ms", TABLE_FIRST_OPENING},
                        EditEveryHp);
    window.loadImage(image);
    Trigger(window, "mnuChart");
    auto *chart = window.findChild<QWidget *>("frmChart");
    Print({"Opening the chart again, painted (table view's target)", "ms", TABLE_OPENING_AGAIN},
          Measure(repetitions, [&](int) {
              chart->close();
              Trigger(window, "mnuChart");
          }));
    chart->close();

    const auto switchEnemy = [&](int i) {
        window.showEnemy(1 + i % (ENEMY_COUNT - 1));
        QCoreApplication::processEvents();
    };
    Print({"An enemy switch, painted, the record bytes closed"}, Measure(repetitions, switchEnemy));
    Trigger(window, "mnuRecordBytes");
    Print({"An enemy switch, painted, the record bytes following it", "ms", TABLE_OPENING_AGAIN},
          Measure(repetitions, switchEnemy));
    window.findChild<QWidget *>("frmRecordBytes")->close();
}

} // namespace mobwright::bench

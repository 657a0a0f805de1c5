// Times what a user waits for in the editor, through the real window on a
// generated image. Prints one line per path: median and 95th percentile, the
// repetitions and the unit; ratios to a floor in "x".
// Usage: mobwright_bench [--reps N] [--callgrind RUNS]
#include "CompareBench.h"
#include "BenchPrompter.h"
#include "MainWindow.h"
#include "StartupBench.h"
#include "Stats.h"
#include "TableBench.h"
#include "ViewsBench.h"
#include "TableGeometry.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstring>
#include <fstream>
#include <random>

using namespace mobwright;
using namespace mobwright::bench;

namespace {

// An image whose records differ from each other in every field, action
// kinds included, so that choosing another enemy refills argument lists.
QString MakeImage(const QString &path)
{
    const std::uint64_t size = 3 * 1024 * 1024 + 512;
    std::vector<char> bytes(size);
    std::mt19937 random(7);
    for (char &b : bytes)
        b = static_cast<char>(random());
    const int actionsByKind[] = {4, 10, 62, 140};
    for (int k = 0; k < ENEMY_COUNT; ++k) {
        char *record = bytes.data() + EnemyRecordOffset(EnemyTableOffset(ImageKind::CopierHeader), k);
        for (int slot = 0; slot < 4; ++slot) {
            record[70 + 2 * slot] = static_cast<char>(actionsByKind[(k + slot) % 4]);
            record[71 + 2 * slot] = 0;
            record[80 + slot] = 1;
        }
    }
    std::ofstream(path.toStdString(), std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(size));
    return path;
}

} // namespace

int main(int argc, char *argv[])
{
    // Nothing of the user's is read or written.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    int repetitions = 200;
    int callgrindRuns = 1;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--reps") == 0)
            repetitions = std::max(1, std::atoi(argv[i + 1]));
        if (std::strcmp(argv[i], "--callgrind") == 0)
            callgrindRuns = std::max(0, std::atoi(argv[i + 1]));
    }

    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    // "Load ROM" alternates between two images, so that each load opens a file.
    const QString images[] = {MakeImage(dir.filePath("one.smc")), MakeImage(dir.filePath("two.smc"))};
    const QString &image = images[0];
    MainWindow window(std::make_unique<bench::BenchPrompter>(QStringList{images[0], images[1]}));
    window.session().journalSettings().setFolder(dir.filePath("journals"));
    window.show();
    auto *load = window.findChild<QAction *>("mnuLoad");
    auto *picker = window.findChild<QComboBox *>("cmbEnemy(0)");
    auto *action = window.findChild<QComboBox *>("cmbAct1");
    auto *apply = window.findChild<QPushButton *>("cmdApply(0)");
    auto *hp = window.findChild<QLineEdit *>("txtHP");

    PrintHeader();
    MeasureStartup(std::max(5, repetitions / 4), callgrindRuns, image);
    // The form a window hides until its first image is readied then: once a window.
    const auto loadRom = [&] {
        load->trigger();
        QCoreApplication::processEvents();
    };
    Print({"The first \"Load ROM\" of a window, its form readied"}, TimeOnce(loadRom));
    Print({"\"Load ROM\" to record 0 shown, and the events it leaves", "ms", 0.5},
          Measure(std::max(5, repetitions / 4), [&](int) { loadRom(); }));
    Print({"Choosing another enemy", "ms", 0.1},
          Measure(repetitions, [&](int i) { picker->setCurrentIndex(1 + i % (ENEMY_COUNT - 1)); }));
    const int actions[] = {4, 10, 62, 140, 11, 63};
    Print({"Choosing another action in a slot", "ms", 0.05},
          Measure(repetitions, [&](int i) { action->setCurrentIndex(actions[i % 6]); }));
    picker->setCurrentIndex(5);
    window.session().setSyncAfterWrite(false);
    Print({"\"Apply Changes\" with read-back, without the sync to disk", "ms", 0.1},
          Measure(repetitions, [&](int i) {
              hp->setText(QString::number(i));
              apply->click();
          }));
    window.session().setSyncAfterWrite(true);
    // Journaled, as by default: the entry is synced before the image is.
    const auto applyWithSync = [&](int i) {
        hp->setText(QString::number(i));
        apply->click();
    };
    Print({"\"Apply Changes\" with read-back and the sync to disk"},
          Measure(std::max(5, repetitions / 4), applyWithSync));
    window.session().setJournalEnabled(false);
    Print({"\"Apply Changes\" with the sync to disk, the journal turned off"},
          Measure(std::max(5, repetitions / 4), applyWithSync));
    window.session().setJournalEnabled(true);
    MeasureTable(repetitions, MakeImage(dir.filePath("three.smc")), window);
    MeasureCompare(repetitions, MakeImage(dir.filePath("four.smc")), dir.path(), window);
    MeasureViews(repetitions, MakeImage(dir.filePath("five.smc")), window);
    return 0;
}

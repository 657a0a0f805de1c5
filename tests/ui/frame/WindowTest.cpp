#include "EditorHarness.h"
#include "ScratchHome.h"
#include "ValueLists.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QSettings>
#include <QTabBar>
#include <QThread>
#include <QTimer>
#include <QToolButton>

#include <filesystem>

using namespace mobwright;
using namespace mobwright::test;

// A page as the user reads it: its caption, each label with the control it labels (a list with
// its number of entries, which none can type in), and its buttons.
static QString PageText(const QGroupBox *frame)
{
    QString text = frame->title();
    for (const QObject *child : frame->children()) {
        if (const auto *label = qobject_cast<const QLabel *>(child)) {
            text += "|" + label->text() + label->buddy()->objectName();
            if (const auto *list = qobject_cast<const QComboBox *>(label->buddy()))
                text += list->isEditable() ? "editable" : " " + QString::number(list->count());
        } else if (const auto *button = qobject_cast<const QAbstractButton *>(child))
            text += "|" + button->text() + button->objectName();
    }
    return text;
}

TEST(Window, ShowsItsFixedTextsAndEveryControlOnItsPage)
{
    EditorHarness editor;
    EXPECT_FALSE(editor.window().windowIcon().isNull());
    EXPECT_EQ(QStringList({editor.window().windowTitle(), editor.find<QMenu>("mnuFile")->title(),
                           editor.find<QAction>("mnuLoad")->text(),
                           editor.find<QAction>("mnuClose")->text(), editor.tabs()->tabText(0),
                           editor.tabs()->tabText(1), editor.tabs()->tabText(2),
                           QString::number(editor.tabs()->count())}),
              QStringList({"Mobwright", "&File", "&Load ROM", "&Close ROM", "Stats", "Actions",
                           "Gfx / Sound", "3"}));
    TestImage image;
    editor.loadRom(image.path());
    EXPECT_EQ(PageText(editor.find<QGroupBox>("frmThree")),
              "Gfx / Sound|Enemy: cmbEnemy(1) 230|Outside Pic:cmbOutside 463|Movement: txtMove|"
              "Inside Pic: cmbInside 111|Death Sound:cmbDeath 2|Palette: txtPal|Music:cmbMusic 192|"
              "Apply ChangescmdApply(1)");
    // The hidden PSI list, never shown, holds its labels too.
    EXPECT_EQ(editor.combo("cmbStorePSI")->count(), static_cast<int>(PsiLabels().size()));
}

TEST(Window, LoadRomAsksForAnImageWithItsTitleAndFilters)
{
    MainWindow window; // with the real open dialog
    QString asked;
    QTimer::singleShot(0, [&] {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            asked = dialog->windowTitle() + "|" + dialog->nameFilters().value(0);
            dialog->reject();
        }
    });
    window.findChild<QAction *>("mnuLoad")->trigger();
    EXPECT_TRUE(asked.startsWith("Open ROM|Snes Rom Files (*.smc")) << asked.toStdString();
}

TEST(Window, OpensTheImageNamedOnTheCommandLine)
{
    TestImage image;
    const ScratchHome home;
    QProcess editor; // without a display, as this program runs
    editor.setProcessEnvironment(home.environment());
    editor.start(MOBWRIGHT_BINARY, {QString::fromStdString(image.path())});
    ASSERT_TRUE(editor.waitForStarted());
    // It has opened the image once one of its open files is the image.
    const auto files = std::filesystem::path("/proc") / std::to_string(editor.processId()) / "fd";
    bool opened = false;
    for (int tries = 0; tries < 300 && !opened && editor.state() == QProcess::Running; ++tries) {
        QThread::msleep(50);
        std::error_code error;
        for (const auto &file : std::filesystem::directory_iterator(files, error))
            opened = opened || std::filesystem::read_symlink(file, error) == image.path();
    }
    // Qt Charts is loaded for the first chart, not by the start-up.
    QFile maps(QStringLiteral("/proc/%1/maps").arg(editor.processId()));
    const QByteArray mapped = maps.open(QIODevice::ReadOnly) ? maps.readAll() : QByteArray();
    editor.terminate();
    editor.waitForFinished();
    EXPECT_TRUE(opened);
    EXPECT_TRUE(mapped.contains("libQt6Widgets"));
    EXPECT_FALSE(mapped.contains("libQt6Charts"));
    // Its settings went to the scratch home, not the user's.
    const QSettings kept(home.path() + "/.config/Mobwright/Mobwright.conf", QSettings::IniFormat);
    EXPECT_TRUE(kept.value("recentImages").toStringList().contains(QString::fromStdString(image.path())));
}

// Without a display the window is not tried: one line says what to do instead.
TEST(Window, WithoutADisplaySaysSoInOneLine)
{
    TestImage image;
    const ScratchHome home;
    QProcessEnvironment environment = home.environment();
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(variable);
    QProcess editor;
    editor.setProcessEnvironment(environment);
    editor.start(MOBWRIGHT_BINARY, {QString::fromStdString(image.path())});
    ASSERT_TRUE(editor.waitForFinished());
    const QString said = QString::fromUtf8(editor.readAllStandardError());
    EXPECT_EQ(editor.exitCode(), EXIT_FAILURE);
    EXPECT_EQ(said.count(u'\n'), 1) << said.toStdString();
    EXPECT_TRUE(said.contains("needs a display") && said.contains("--help")) << said.toStdString();
}

// With an image open, the window fits a 1366×768 screen at 150 % (911×512
// device-independent pixels) with room for its frame and a panel; on a wide
// screen the fields stop growing, with Apply Changes beside them.
TEST(Window, FitsASmallScreenAndKeepsItsFieldsTogetherOnAWideOne)
{
    TestImage image;
    EditorHarness editor;
    editor.loadRom(image.path());
    const QSize smallest = editor.window().minimumSizeHint();
    EXPECT_LE(smallest.width(), 900);
    EXPECT_LE(smallest.height(), 480);
    editor.window().resize(smallest.width() * 3, smallest.height());
    const QWidget *apply = editor.widget("cmdApply(0)");
    EXPECT_LT(apply->mapTo(&editor.window(), apply->rect().topRight()).x(), smallest.width() * 3 / 2);
}

// Pages and enemies come and go without the window changing its size: the
// pages are all as wide, and the room of a "used by" stays when it hides.
TEST(Window, KeepsItsSizeFromPageToPageAndEnemyToEnemy)
{
    TestImage image;
    // Enemies 0 and 2 use entries of every list; 1 and 3 have values no entry takes.
    for (const int enemy : {1, 3}) {
        for (const Field field : {Field::OutsidePic, Field::InsidePic, Field::Music, Field::Item})
            image.setRecordBytes(enemy, LayoutOf(field).offset, {0xff, 0xff});
    }
    for (const int enemy : {0, 2})
        image.setRecordBytes(enemy, LayoutOf(Field::OutsidePic).offset, {1, 0});
    EditorHarness editor;
    editor.loadRom(image.path());
    auto *pages = editor.window().findChild<QTabBar *>("TabStrip1");
    editor.window().show();
    editor.window().resize(editor.window().minimumSizeHint());
    QCoreApplication::processEvents();
    const QSize smallest = editor.window().size();
    int hidden = 0;
    for (int enemy = 0; enemy < 4; ++enemy) {
        editor.choose("cmbEnemy(0)", enemy);
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            QCoreApplication::processEvents();
            EXPECT_EQ(editor.window().size(), smallest) << enemy << " " << page;
        }
        for (const QToolButton *usedBy : editor.window().findChildren<QToolButton *>())
            hidden += usedBy->objectName().startsWith("cmdUsedBy") && usedBy->isHidden();
    }
    EXPECT_GT(hidden, 0);
}

int main(int argc, char *argv[])
{
    // The window tests need no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const ScratchHome home;
    home.keepThisProcessApart();
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "AdjustDialog.h"
#include "ChangesPreview.h"
#include "DialogPrompter.h"
#include "EditorHarness.h"
#include "LabelFolder.h"
#include "MessageBox.h"
#include "PatchDialog.h"
#include "RecentImages.h"
#include "TestImage.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCompleter>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

using namespace mobwright;
using namespace mobwright::test;

namespace {

constexpr int Enemy = 5;

QString PathOf(const TestImage &image)
{
    return QString::fromStdString(image.path());
}

class DesktopTest : public testing::Test
{
protected:
    DesktopTest()
    {
        image_.fillRandom(5);
        image_.setName(Enemy, "Rust Beetle");
        image_.setRecordBytes(Enemy, 0, {0});
        editor_.loadRom(PathOf(image_));
        editor_.choose("cmbEnemy(0)", Enemy);
        editor_.window().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&editor_.window()));
    }

    QAction *action(const char *name) { return editor_.window().findChild<QAction *>(name); }
    int storedHp() const
    {
        return image_.recordBytes(Enemy)[33] | image_.recordBytes(Enemy)[34] << 8;
    }
    bool bold(const char *name) { return editor_.widget(name)->font().bold(); }
    void answerWith(UnappliedAnswer answer)
    {
        editor_.prompter().unapplied = [answer](const QString &) { return answer; };
    }

    TestImage image_;
    EditorHarness editor_;
};

} // namespace

// A label's column has room for it marked bold, and italic, so that marking moves nothing.
TEST_F(DesktopTest, EveryLabelHasRoomForItsMark)
{
    std::vector<QWidget *> labels{editor_.widget("chkFlag")};
    for (QLabel *label : editor_.window().findChildren<QLabel *>()) {
        if (label->buddy())
            labels.push_back(label);
    }
    for (QWidget *label : labels) {
        QFont marked = label->font();
        marked.setBold(true);
        marked.setItalic(true);
        label->setFont(marked);
        EXPECT_LE(label->sizeHint().width(), label->minimumWidth()) << label->objectName().toStdString();
    }
}

// Stored values at the top of each range read back unsigned, typed either way.
TEST_F(DesktopTest, NumbersShowUnsignedThroughTheFile)
{
    for (const auto &[control, typed, shown] : std::vector<std::array<const char *, 3>>{
             {"txtHP", "65535", "65535"}, {"txtPP", "-1", "65535"}, {"txtMoney", "40000", "40000"},
             {"txtMove", "-32768", "32768"}, {"txtExp", "-1", "4294967295"}, {"txtHP", "0", "0"},
             {"txtExp", "2147483648", "2147483648"}}) {
        editor_.type(control, typed);
        editor_.clickApply();
        editor_.loadRom(PathOf(image_));
        editor_.choose("cmbEnemy(0)", Enemy);
        EXPECT_EQ(editor_.edit(control)->text(), shown) << control << " " << typed;
        const QLineEdit *edit = editor_.edit(control); // room for the whole number
        EXPECT_GT(edit->minimumWidth(), edit->fontMetrics().horizontalAdvance(shown)) << control;
    }
}

TEST_F(DesktopTest, EditedFieldsAreMarkedAndTheTitleSaysSo)
{
    EXPECT_EQ(editor_.window().windowTitle(),
              QFileInfo(PathOf(image_)).fileName() + "[*] — Mobwright");
    const QString hp = editor_.edit("txtHP")->text();
    editor_.type("txtHP", "12");
    editor_.check("chkFlag")->click();
    EXPECT_TRUE(bold("lbls(2)"));
    EXPECT_TRUE(bold("chkFlag"));
    EXPECT_TRUE(editor_.window().isWindowModified());
    editor_.type("txtHP", hp);
    editor_.check("chkFlag")->click();
    EXPECT_FALSE(bold("lbls(2)"));
    EXPECT_FALSE(editor_.window().isWindowModified());
    editor_.closeRom();
    EXPECT_EQ(editor_.window().windowTitle(), "Mobwright");
}

// Choosing another enemy keeps the edits of the one left. Each of the three
// ways of leaving the image, with each answer, asks once about them all; and
// an Apply All that validation refuses keeps the image open.
TEST_F(DesktopTest, EditsStayPendingAndLeavingTheImageAsksOnce)
{
    editor_.type("txtHP", "1234");
    editor_.choose("cmbEnemy(1)", 9);
    editor_.type("txtLevel", "3");
    editor_.choose("cmbEnemy(2)", Enemy);
    EXPECT_EQ(editor_.edit("txtHP")->text() + editor_.edit("txtLevel")->text(),
              "1234" + QString::number(image_.recordBytes(Enemy)[54]));
    EXPECT_TRUE(bold("lbls(2)"));

    TestImage other;
    const std::function<void()> triggers[] = {[&] { editor_.loadRom(PathOf(other)); },
                                              [&] { editor_.closeRom(); },
                                              [&] { editor_.window().close(); }};
    const auto wentOn = [&](int trigger) {
        switch (trigger) {
        case 0:
            return editor_.window().windowTitle().startsWith(QFileInfo(PathOf(other)).fileName());
        case 1: return !editor_.window().session().isOpen();
        default: return !editor_.window().isVisible();
        }
    };
    for (int trigger = 0; trigger < 3; ++trigger) {
        for (const UnappliedAnswer answer :
             {UnappliedAnswer::Cancel, UnappliedAnswer::Apply, UnappliedAnswer::Discard}) {
            SCOPED_TRACE(testing::Message() << "trigger " << trigger << ", answer " << int(answer));
            editor_.window().show();
            image_.setRecordBytes(Enemy, 33, {0, 0});
            editor_.loadRom(PathOf(image_));
            editor_.choose("cmbEnemy(0)", Enemy);
            editor_.type("txtHP", "1234");
            editor_.choose("cmbEnemy(0)", 9);
            QString asked;
            editor_.prompter().unapplied = [&](const QString &what) {
                asked += what;
                return answer;
            };
            triggers[trigger]();
            EXPECT_EQ(asked, "1 enemy (1 field)");
            EXPECT_EQ(storedHp(), answer == UnappliedAnswer::Apply ? 1234 : 0);
            EXPECT_EQ(wentOn(trigger), answer != UnappliedAnswer::Cancel);
            if (answer == UnappliedAnswer::Cancel) {
                editor_.choose("cmbEnemy(0)", Enemy);
                EXPECT_EQ(editor_.edit("txtHP")->text(), "1234");
            }
            answerWith(UnappliedAnswer::Discard);
        }
    }
    // An Apply All refused by validation keeps the image open and shows the field.
    editor_.window().show();
    editor_.loadRom(PathOf(image_));
    editor_.choose("cmbEnemy(0)", Enemy);
    editor_.type("txtLevel", "256");
    editor_.choose("cmbEnemy(2)", 9);
    answerWith(UnappliedAnswer::Apply);
    editor_.closeRom();
    EXPECT_EQ(editor_.takeMessages().size(), 1);
    EXPECT_EQ(editor_.combo("cmbEnemy(0)")->currentIndex(), Enemy);
    EXPECT_TRUE(editor_.window().session().isOpen());
}

TEST_F(DesktopTest, UndoAndRedoWriteTheRecordBackChecked)
{
    const int before = storedHp();
    editor_.type("txtHP", "513");
    editor_.clickApply();
    EXPECT_EQ(action("mnuUndo")->text(), "&Undo Apply to 006: Rust Beetle");
    // Undone, the edit is pending again, on the enemy it was made on.
    editor_.choose("cmbEnemy(0)", 0);
    action("mnuUndo")->trigger();
    EXPECT_EQ(editor_.combo("cmbEnemy(1)")->currentIndex(), Enemy);
    EXPECT_EQ(storedHp(), before);
    EXPECT_EQ(editor_.edit("txtHP")->text(), "513");
    EXPECT_TRUE(bold("lbls(2)"));
    action("mnuRedo")->trigger();
    EXPECT_EQ(storedHp(), 513);
    EXPECT_EQ(editor_.edit("txtHP")->text(), "513");

    // Another program changes the record: undo refuses and writes nothing.
    image_.setRecordBytes(Enemy, 33, {0x07, 0x00});
    action("mnuUndo")->trigger();
    EXPECT_EQ(editor_.takeMessages().size(), 1);
    EXPECT_EQ(storedHp(), 7);

    editor_.closeRom();
    EXPECT_FALSE(action("mnuUndo")->isEnabled());
    EXPECT_FALSE(action("mnuRedo")->isEnabled());
}

// Ctrl+Shift+Tab comes as X11 sends it: Backtab with Ctrl and Shift. Quit
// has the platform's key, or Ctrl+Q where the platform has none.
TEST_F(DesktopTest, ShortcutsReachTheirActions)
{
    EXPECT_EQ(QApplication::focusWidget(), editor_.combo("cmbEnemy(0)"));
    editor_.edit("txtHP")->setFocus();
    const auto press = [this](const QKeySequence &keys) {
        QWidget *focus = QApplication::focusWidget();
        QTest::keySequence(focus ? focus : &editor_.window(), keys);
    };
    press(QKeySequence(Qt::ALT | Qt::Key_PageDown));
    EXPECT_EQ(editor_.combo("cmbEnemy(1)")->currentIndex(), Enemy + 1);
    press(QKeySequence(Qt::CTRL | Qt::Key_Tab));
    EXPECT_EQ(editor_.tabs()->currentIndex(), 1);
    EXPECT_EQ(QApplication::focusWidget(), editor_.combo("cmbEnemy(2)"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(editor_.tabs()->currentIndex(), 0);
    editor_.type("txtHP", "77"); // something to apply, undo and redo
    const char *names[] = {"mnuApply", "mnuUndo",  "mnuRedo", "mnuHistory", "mnuFind",
                           "mnuLoad",  "mnuClose", "mnuQuit"};
    const QKeySequence keys[] = {
        Qt::CTRL | Qt::Key_Return, QKeySequence::Undo,  QKeySequence::Redo, Qt::CTRL | Qt::Key_H,
        QKeySequence::Find,        QKeySequence::Open,  QKeySequence::Close,
        QKeySequence::keyBindings(QKeySequence::Quit).value(0, Qt::CTRL | Qt::Key_Q)};
    for (std::size_t i = 0; i < std::size(names); ++i) {
        QSignalSpy triggered(action(names[i]), &QAction::triggered);
        editor_.window().activateWindow();
        press(keys[i]);
        EXPECT_EQ(triggered.count(), 1) << names[i];
    }
}

// Tab goes through each page row by row, left to right, to its Apply Changes.
TEST_F(DesktopTest, TabGoesThroughEachPageInReadingOrder)
{
    for (int page = 0; page < 3; ++page) {
        editor_.clickTab(page);
        const QWidget *frame = editor_.find<QGroupBox>(QStringList{"frmOne", "frmTwo", "frmThree"}[page]);
        const auto *grid = static_cast<const QGridLayout *>(frame->layout());
        // Where a widget stands: its row and column in the page's grid, then within its cell.
        const auto place = [grid](const QWidget *widget) {
            for (int i = 0; i < grid->count(); ++i) {
                const QWidget *cell = grid->itemAt(i)->widget();
                int row = 0, column = 0, rows = 0, columns = 0;
                grid->getItemPosition(i, &row, &column, &rows, &columns);
                if (cell && (cell == widget || cell->isAncestorOf(widget)))
                    return std::tuple(row, column, widget->mapTo(cell, QPoint()).x());
            }
            return std::tuple(-1, -1, -1);
        };
        std::tuple last(-1, -1, -1);
        for (int steps = 0; !qobject_cast<QPushButton *>(QApplication::focusWidget()); ++steps) {
            ASSERT_LT(steps, 30) << "page " << page;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            const auto next = place(QApplication::focusWidget());
            EXPECT_LT(last, next) << QApplication::focusWidget()->objectName().toStdString();
            last = next;
        }
    }
}

// Alt and a letter reach each entry of a menu, and each button or field of a dialog.
static void ExpectAccessKeys(const char *where, const QStringList &texts)
{
    QList<QKeySequence> keys;
    for (const QString &text : texts) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        EXPECT_FALSE(key.isEmpty() || keys.contains(key)) << where << ": " << text.toStdString();
        keys.append(key);
    }
}

TEST_F(DesktopTest, EveryMenuEntryHasAnAccessKeyOfItsOwn)
{
    action("mnuTable")->trigger();
    std::vector<std::pair<QString, QList<QAction *>>> menus{
        {"menu bar", editor_.window().menuBar()->actions()},
        {"table", editor_.widget("frmEnemyTable")->actions()}};
    for (const QMenu *menu : editor_.window().findChildren<QMenu *>())
        menus.emplace_back(menu->objectName(), menu->actions());
    for (const auto &[where, actions] : menus) {
        QStringList entries;
        for (const QAction *entry : actions) {
            if (!entry->isSeparator())
                entries.append(entry->text());
        }
        ExpectAccessKeys(where.toUtf8().constData(), entries);
    }
}

TEST(Dialogs, EveryButtonHasAnAccessKeyOfItsOwn)
{
    TestImage image, baseline;
    ImageSession session;
    session.open(image.path());
    session.setBaseline(baseline.path());
    ScriptedPrompter quiet;
    const std::pair<const char *, std::function<void()>> dialogs[] = {
        {"unapplied edits", [] { DialogPrompter().unappliedEdits(nullptr, "1 enemy (1 field)"); }},
        {"changes", [] { ConfirmChanges(nullptr, "Apply All", "Apply All writes", {}); }},
        {"open again", [] { DialogPrompter().openAgain(nullptr, "The image was replaced."); }},
        {"adjust", [] { AskAdjustment(nullptr, {3, [](const Adjustment &) { return std::vector<AdjustedCell>(); }}); }},
        {"warning", [] { ShowWarning(nullptr, "Mobwright", "A message."); }},
        {"patch", [&] { PatchDialog(session, quiet).exec(); }}};
    for (const auto &[where, open] : dialogs) {
        QStringList buttons; // and the labels of fields
        QTimer::singleShot(0, [&buttons] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            for (const QAbstractButton *button : dialog->findChildren<QAbstractButton *>()) {
                if (button->isVisible() && !button->text().isEmpty())
                    buttons.append(button->text());
            }
            for (const QLabel *label : dialog->findChildren<QLabel *>()) {
                if (label->buddy())
                    buttons.append(label->text());
            }
            dialog->reject();
        });
        open();
        EXPECT_FALSE(buttons.isEmpty()) << where;
        ExpectAccessKeys(where, buttons);
    }
}

// Without a file manager, as on "offscreen", Open Label Folder says where
// the folder is, in a message whose text can be selected and copied.
TEST_F(DesktopTest, OpenLabelFolderTellsWhereItIsWithoutAFileManager)
{
    action("mnuLabelFolder")->trigger();
    const QStringList told = editor_.takeMessages();
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].endsWith(QDir::toNativeSeparators(LabelFolder()))) << told[0].toStdString();
    EXPECT_TRUE(WarningBox(nullptr, "Mobwright", told[0])->textInteractionFlags() & Qt::TextSelectableByMouse);
}

TEST_F(DesktopTest, FindsAnEnemyByNumberOrPartOfItsName)
{
    action("mnuFind")->trigger();
    QLineEdit *field = editor_.edit("txtFind");
    ASSERT_TRUE(field->hasFocus());
    QTest::keyClicks(field, "94");
    QTest::keyClick(field->completer()->popup(), Qt::Key_Return);
    EXPECT_EQ(editor_.combo("cmbEnemy(1)")->currentIndex(), 93);

    action("mnuFind")->trigger();
    QTest::keyClicks(field, "beeT");
    QAbstractItemView *hits = field->completer()->popup();
    ASSERT_TRUE(hits->isVisible());
    EXPECT_EQ(hits->model()->rowCount(), 1);
    QTest::keyClick(hits, Qt::Key_Down);
    QTest::keyClick(hits, Qt::Key_Return);
    EXPECT_EQ(editor_.combo("cmbEnemy(2)")->currentIndex(), Enemy);

    // A choice puts the bar away, as do its close button and Escape.
    auto *bar = editor_.find<QToolBar>("barFind");
    EXPECT_FALSE(bar->isVisible());
    const QList<QAction *> barActions = bar->actions();
    QAction *close = *std::ranges::find(barActions, QString("Close"), &QAction::text);
    for (const bool byEscape : {false, true}) {
        action("mnuFind")->trigger();
        ASSERT_TRUE(bar->isVisible());
        if (byEscape)
            QTest::keyClick(field, Qt::Key_Escape);
        else
            QTest::mouseClick(bar->widgetForAction(close), Qt::LeftButton);
        EXPECT_FALSE(bar->isVisible()) << byEscape;
    }
}

// An image opens at the enemy and page it was left at, whether another image
// or the same one was opened meanwhile; a new window takes the last one's size.
TEST(OpeningImages, AnImageOpensWhereItWasLeftAndTheWindowAsItWas)
{
    TestImage image, other;
    const auto place = [](const EditorHarness &editor) {
        return std::pair(editor.combo("cmbEnemy(0)")->currentIndex(), editor.tabs()->currentIndex());
    };
    {
        EditorHarness editor;
        editor.loadRom(PathOf(image));
        editor.choose("cmbEnemy(0)", 7);
        editor.clickTab(2);
        editor.loadRom(PathOf(other));
        EXPECT_EQ(place(editor), std::pair(0, 0));
        editor.loadRom(PathOf(image));
        EXPECT_EQ(place(editor), std::pair(7, 2));
        editor.clickTab(1);
        editor.loadRom(PathOf(image));
        EXPECT_EQ(place(editor), std::pair(7, 1));
        editor.window().resize(900, 600);
        editor.window().close();
    }
    EditorHarness editor;
    EXPECT_EQ(editor.window().size(), QSize(900, 600));
    editor.loadRom(PathOf(image));
    EXPECT_EQ(place(editor), std::pair(7, 1));
}

// An image opened again while first in the recent list writes nothing: the
// settings file keeps a comment that writing it would drop.
TEST(OpeningImages, TheImageOpenedLastAgainWritesNoSetting)
{
    QMenu menu;
    const QString path = QDir::temp().filePath("opened-last.smc");
    RecentImages(&menu, std::make_shared<Settings>()).add(path); // written when it goes
    QFile file(QSettings("Mobwright", "Mobwright").fileName());
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("; not written since\n");
    file.close();
    RecentImages(&menu, std::make_shared<Settings>()).add(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("; not written since"));
}

// The recent list's order, limit and a missing entry; a dropped file opens.
TEST(OpeningImages, RecentImagesAndDrops)
{
    QSettings("Mobwright", "Mobwright").clear();
    std::vector<std::unique_ptr<TestImage>> images;
    EditorHarness editor;
    for (int i = 0; i < 9; ++i) {
        images.push_back(std::make_unique<TestImage>());
        editor.loadRom(PathOf(*images.back()));
    }
    const auto entries = [&] { return editor.window().findChild<QMenu *>("mnuRecent")->actions(); };
    ASSERT_EQ(entries().size(), 8);
    EXPECT_TRUE(entries().first()->text().endsWith(PathOf(*images[8])));
    EXPECT_TRUE(entries().last()->text().endsWith(PathOf(*images[1])));

    entries()[2]->trigger();
    EXPECT_TRUE(entries().first()->text().endsWith(PathOf(*images[6])));
    images[7].reset();
    entries()[2]->trigger();
    EXPECT_EQ(editor.takeMessages().size(), 1);
    ASSERT_EQ(entries().size(), 7);
    EXPECT_TRUE(entries()[2]->text().endsWith(PathOf(*images[5])));

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(PathOf(*images[0]))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&editor.window(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&editor.window(), &drop);
    EXPECT_TRUE(entries().first()->text().endsWith(PathOf(*images[0])));
}

#include "ChangesPreview.h"
#include "ConflictMarks.h"
#include "MarkColours.h"
#include "EditorHarness.h"
#include "EnemyTableModel.h"
#include "EnemyTableView.h"
#include "ProbedFile.h"
#include "RomError.h"
#include "TestImage.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>

using namespace mobwright;
using namespace mobwright::test;
namespace fs = std::filesystem;

namespace {

class FileChangeTest : public testing::Test
{
protected:
    FileChangeTest()
    {
        image_.setName(0, "Old");
        load(image_.path());
    }

    void load(const std::string &path) { editor_.loadRom(QString::fromStdString(path)); }
    QString pickerLabel(int index = 0) { return editor_.combo("cmbEnemy(0)")->itemText(index); }

    // Applies an edit that must be refused with a message holding refusal.
    void expectRefusedApply(const char *refusal)
    {
        editor_.type("txtLevel", "77");
        editor_.clickApply();
        const QStringList messages = editor_.takeMessages();
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].contains(QString::fromUtf8(refusal))) << messages[0].toStdString();
        EXPECT_EQ(editor_.edit("txtLevel")->text(), "77");
    }

    TestImage image_;
    EditorHarness editor_;
};

} // namespace

TEST_F(FileChangeTest, AnImageReplacedDeletedOrResizedIsNeverWritten)
{
    const struct
    {
        const char *what;
        std::function<void()> change;
        const char *refusal;
    } cases[] = {
        {"replaced", [this] { TestImage other; fs::rename(other.path(), image_.path()); }, "replaced, moved or deleted"},
        {"deleted", [this] { fs::remove(image_.path()); }, "replaced, moved or deleted"},
        {"header stripped", [this] { fs::resize_file(image_.path(), image_.size() - 512); }, "size of the image"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        TestImage fresh;
        fs::copy_file(fresh.path(), image_.path(), fs::copy_options::overwrite_existing);
        load(image_.path());
        c.change();
        const auto before = fs::exists(image_.path()) ? image_.contents() : std::vector<std::uint8_t>{};
        expectRefusedApply(c.refusal);
        if (!before.empty()) {
            EXPECT_TRUE(image_.contents() == before);
        }
    }
    // Told by the watcher, the user opens the image again and the edit merges onto it.
    load(image_.path());
    editor_.type("txtLevel", "77");
    editor_.answerOpenAgain(true);
    TestImage other;
    other.setRecordBytes(0, 60, {9});
    fs::rename(other.path(), image_.path());
    EXPECT_TRUE(QTest::qWaitFor([&] { return editor_.edit("txtSpeed")->text() == "9"; }));
    EXPECT_TRUE(editor_.takeMessages().value(0).contains("Open the image again to merge them"));
    editor_.clickApply();
    EXPECT_EQ(image_.recordBytes(0)[54], 77);
}

TEST_F(FileChangeTest, LoadingAReplacedPathOpensTheNewFileAndARenamedOneIsTheSameImage)
{
    TestImage replacement;
    replacement.setName(0, "New");
    fs::rename(replacement.path(), image_.path());
    load(image_.path());
    EXPECT_EQ(pickerLabel(), "001: New");
    EXPECT_THROW(RomFile::open(image_.path()), RomError); // the lock moved to the new file

    const std::string renamed = image_.path() + "\xff\xfe.smc"; // not UTF-8 either
    fs::rename(image_.path(), renamed);
    editor_.window().loadImageFile(renamed);
    editor_.type("txtLevel", "9");
    editor_.clickApply();
    EXPECT_TRUE(editor_.takeMessages().isEmpty());
    fs::rename(renamed, image_.path());
    EXPECT_EQ(image_.recordBytes(0)[54], 9);
}

TEST_F(FileChangeTest, AFailedSecondLoadLeavesTheFirstImageLoaded)
{
    TestImage second;
    auto probe = std::make_shared<FileProbe>();
    probe->failReads = true;
    editor_.window().session().setFileOpener(ProbedOpener(probe));
    load(second.path());
    EXPECT_EQ(editor_.takeMessages().size(), 1);
    EXPECT_EQ(pickerLabel(), "001: Old");
}

// A write cut short says how far it got; the picker names what the file holds,
// and the edits merge with what the write left, so that applying again
// writes the rest.
TEST_F(FileChangeTest, AFailedWriteSaysHowMuchWasWrittenAndThePickerNamesWhatTheFileHolds)
{
    auto probe = std::make_shared<FileProbe>();
    editor_.window().session().setFileOpener(ProbedOpener(probe));
    TestImage probed;
    load(probed.path());
    probe->failWritesAfter = 0;
    probe->partialWriteBytes = 12;
    editor_.type("txtName", "Zed");
    expectRefusedApply("Cut: enemy 001, of whose 94 bytes the first 12 are new");
    EXPECT_EQ(pickerLabel(), "001: Zed");

    probe->failWritesAfter = -1;
    editor_.clickApply();
    EXPECT_TRUE(editor_.takeMessages().isEmpty());
    EXPECT_EQ(probed.recordBytes(0)[54], 77);
}

// Another program's change shows at once in a form without edits; a form
// with edits keeps them and shows the change too, and the status bar says
// the record changed.
TEST_F(FileChangeTest, AChangeBehindTheEditorShowsOrIsNoted)
{
    image_.setRecordBytes(0, 54, {42});
    EXPECT_TRUE(QTest::qWaitFor([&] { return editor_.edit("txtLevel")->text() == "42"; }));
    editor_.type("txtHP", "5");
    image_.setRecordBytes(0, 54, {43});
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return editor_.window().statusBar()->currentMessage().contains("changed 001: Old");
    }));
    EXPECT_EQ(editor_.edit("txtHP")->text() + editor_.edit("txtLevel")->text(), "543");
}

TEST_F(FileChangeTest, TypedTextIsRefusedAsTypedAndQuotedShortAndVisibly)
{
    const auto before = image_.contents();
    editor_.type("txtName", QString::fromUtf8("ABCDEFGHIJKLMNOPQRSTUVWX\xF0\x9F\x98\x80")); // cut at 25 units
    expectRefusedApply("U+FFFD");
    editor_.type("txtName", "Old");

    editor_.type("txtHP", QString(32767, '9'));
    editor_.clickApply();
    const QString message = editor_.takeMessages().value(0);
    EXPECT_LT(message.size(), 200);
    EXPECT_TRUE(message.contains(QString(40, '9') + QChar(0x2026))) << message.toStdString();

    editor_.type("txtHP", QString::fromUtf8("1\xC2\xA0"));
    editor_.clickApply();
    EXPECT_TRUE(editor_.takeMessages().value(0).contains("\"1U+00A0\""));
    EXPECT_TRUE(image_.contents() == before);
}

// Fields that both the user and another program changed are marked in the
// form and the table with both values; the Apply preview shows them, and
// only the one ticked there is written, if any; escaped, nothing is, and the
// image stays open. Revert takes the file's value.
TEST_F(FileChangeTest, AConflictIsMarkedAndOnlyWrittenWhereTickedInThePreview)
{
    editor_.prompter().apply = ConfirmApply;
    editor_.type("txtSpeed", "10");
    editor_.type("txtGuts", "20");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor_.window())); // its focus sets the status bar first
    const auto escapeThePreview = [] {
        QTimer::singleShot(
            0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    };
    // Escaped, the preview writes nothing.
    const auto file = image_.contents();
    escapeThePreview();
    editor_.find<QAction>("mnuApplyAll")->trigger();
    EXPECT_TRUE(image_.contents() == file);
    editor_.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor_.window()));
    image_.setRecordBytes(0, 60, {77, 88});
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return editor_.window().statusBar()->currentMessage().contains(
            "Speed: The file now holds 77; your edit is 10. Guts: The file now holds 88; your edit is 20.");
    }));
    QLabel *label = nullptr;
    for (QLabel *named : editor_.window().findChildren<QLabel *>())
        label = named->buddy() == editor_.edit("txtSpeed") ? named : label;
    ASSERT_TRUE(label);
    EXPECT_TRUE(label->font().underline() && label->autoFillBackground());
    EXPECT_EQ(label->palette().color(QPalette::Window), MarkFill(Mark::Conflict));
    editor_.edit("txtSpeed")->setFocus(); // the status bar shows its tooltip, conflict first
    EXPECT_TRUE(editor_.window().statusBar()->currentMessage().startsWith("The file now holds 77; your edit is 10\n"));
    editor_.find<QAction>("mnuTable")->trigger();
    const EnemyTableModel &table = editor_.find<EnemyTableView>("frmEnemyTable")->model();
    const QModelIndex speed = table.index(0, table.sectionOf(*FindColumn("Speed")));
    EXPECT_EQ(speed.data(Qt::BackgroundRole).value<QBrush>().color(), MarkFill(Mark::Conflict));
    EXPECT_TRUE(speed.data(Qt::FontRole).value<QFont>().underline());
    EXPECT_EQ(speed.data(Qt::ToolTipRole).toString(), "The file now holds 77; your edit is 10");

    // Leaving the image to apply them shows the preview: escaped, the image stays open.
    editor_.prompter().unapplied = [](const QString &) { return UnappliedAnswer::Apply; };
    escapeThePreview();
    editor_.closeRom();
    EXPECT_TRUE(editor_.window().session().isOpen());
    // Written with no conflict ticked, the edits write nothing, and stay.
    QTimer::singleShot(0, [] {
        QApplication::activeModalWidget()->findChild<QPushButton *>("cmdWriteChanges")->click();
    });
    editor_.clickApply();
    EXPECT_EQ(editor_.window().statusBar()->currentMessage(),
              "Nothing written: no conflicting edit was ticked");
    QString summary;
    QTimer::singleShot(0, [&summary] {
        QWidget *preview = QApplication::activeModalWidget();
        ASSERT_TRUE(preview);
        summary = preview->findChild<QLabel *>()->text();
        auto *rows = preview->findChild<QTableWidget *>("tblChanges");
        ASSERT_EQ(rows->rowCount(), 2);
        const int row = rows->item(0, 1)->text() == "Speed" ? 0 : 1;
        rows->setCurrentCell(row, 3);
        QTest::keyClick(rows, Qt::Key_Space);
        preview->findChild<QPushButton *>("cmdWriteChanges")->click();
    });
    editor_.clickApply();
    EXPECT_TRUE(summary.startsWith("Apply Changes writes 2 fields of 1 enemy into the image. Another "
                                   "program changed 2 of them too"))
        << summary.toStdString();
    EXPECT_EQ(image_.recordBytes(0)[60] + image_.recordBytes(0)[61] * 1000, 10 + 88000);
    EXPECT_EQ(editor_.edit("txtGuts")->text(), "20");
    editor_.find<QAction>("mnuRevert")->trigger();
    EXPECT_EQ(editor_.edit("txtGuts")->text(), "88");
    EXPECT_TRUE(editor_.window().session().pending().empty());
}

// Edit › History lists the steps; a click on one goes there, and a write
// that fails on the way stops the history there, and is told.
TEST_F(FileChangeTest, HistoryGoesToTheStepClickedAndStopsAtAFailedWrite)
{
    auto probe = std::make_shared<FileProbe>();
    editor_.window().session().setFileOpener(ProbedOpener(probe));
    TestImage probed;
    load(probed.path());
    editor_.type("txtName", "Zed");
    editor_.clickApply();
    editor_.type("txtHP", "1234");
    editor_.find<QAction>("mnuHistory")->trigger();
    auto *list = editor_.find<QListWidget>("lstHistory");
    ASSERT_TRUE(list && QTest::qWaitForWindowActive(list->window()));
    QStringList steps;
    for (int row = 0; row < list->count(); ++row)
        steps << list->item(row)->text();
    EXPECT_EQ(steps.join('|').toStdString(), "(the image as opened)|Edit Name of 001|Apply to 001: |Edit HP of 001");
    const auto click = [list](int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    };
    probe->failWritesAfter = 0;
    click(0);
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_TRUE(editor_.takeMessages().value(0).startsWith("Undo Apply to 001:  failed.\n\nNothing was written"));
    EXPECT_EQ(editor_.prompter().warnedOver.value(0), list->window()) << "the focus goes back to the history";
    probe->failWritesAfter = -1;
    click(0);
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_TRUE(list->item(1)->font().italic() && !list->item(0)->font().italic()) << "undone, to redo";
    EXPECT_EQ(probed.recordBytes(0)[54], 0);
    EXPECT_TRUE(editor_.window().session().pending().empty());
    editor_.type("txtHP", "77"); // a new step, in place of those undone
    EXPECT_EQ(list->count(), 2);
}

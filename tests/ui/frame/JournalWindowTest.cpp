#include "../../exchange/ExchangeHarness.h"
#include "../../exchange/PatchAppliers.h"
#include "../../journal/JournalHarness.h"
#include "Comparison.h"
#include "EditorHarness.h"
#include "PatchDialog.h"
#include "Settings.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace mobwright;
using namespace mobwright::test;

namespace {

Bytes BytesOf(const EnemyRecord &record)
{
    return {record.allBytes().begin(), record.allBytes().end()};
}

} // namespace

// Opening an image whose last write was cut asks what to do, telling what
// the image holds of it, and does what the user answers.
TEST(JournalWindow, AnUnfinishedWriteIsAskedAboutOnOpening)
{
    for (const Settlement how : {Settlement::Finish, Settlement::RollBack, Settlement::Leave}) {
        QDir(JournalFolder::DefaultPath()).removeRecursively(); // of images once at this path
        TestImage image;
        image.fillRandom(4);
        const auto writes = StopAWrite(image, {3, 4});
        image.setBytes(image.recordOffset(4), BytesOf(writes[1].before));
        EditorHarness editor;
        editor.prompter().settlement = how;
        editor.loadRom(image.path());
        EXPECT_EQ(editor.takeMessages(),
                  QStringList("Unfinished? The write \"Import\" into \"" + PathOf(image) +
                              "\" was not finished. Written whole: enemy 004. Still as before: "
                              "enemy 005."));
        const bool rolledBack = how == Settlement::RollBack;
        EXPECT_EQ(image.recordBytes(3), BytesOf(rolledBack ? writes[0].before : writes[0].after));
        EXPECT_EQ(image.recordBytes(4),
                  BytesOf(how == Settlement::Finish ? writes[1].after : writes[1].before));
        EXPECT_EQ(BytesOf(editor.window().session().stored(3)), image.recordBytes(3));
        // The history lists the cut write among the earlier ones, as it was settled.
        editor.find<QAction>("mnuHistory")->trigger();
        auto *earlier = editor.find<QListWidget>("lstEarlierWrites");
        ASSERT_TRUE(earlier && earlier->count() > 0);
        EXPECT_TRUE(earlier->item(0)->text().endsWith(how == Settlement::Leave ? "(cut, left as it was)"
                                                                               : "(cut, settled)"))
            << earlier->item(0)->text().toStdString();
        editor.loadRom(image.path());
        EXPECT_EQ(editor.takeMessages(), QStringList()) << "asked once";
    }
}

// The original table is the baseline of an image whose copy was never kept:
// its patch compares the enemy table only, and Revert to Baseline takes it
// back. Turned off, the journal keeps nothing; About tells where it is.
TEST(JournalWindow, TheOriginalTableIsABaselineWithoutACopy)
{
    QDir(JournalFolder::DefaultPath()).removeRecursively();
    TestImage image;
    image.fillRandom(8);
    const Bytes original = image.contents();
    EditorHarness editor;
    ImageSession &session = editor.window().session();
    editor.loadRom(image.path());
    QAction *compare = editor.find<QAction>("mnuCompareOriginal");
    compare->trigger();
    EXPECT_TRUE(editor.takeMessages().join("").contains("has not written into this image yet"));
    editor.type("txtHP", "4321");
    editor.clickApply();
    compare->trigger();
    ASSERT_TRUE(session.baseline() && session.baseline()->isOriginal());
    EXPECT_EQ(editor.find<QLabel>("lblBaseline")->text(),
              "Baseline: the original table of " + QFileInfo(PathOf(image)).fileName());
    EXPECT_TRUE(DiffersFromBaseline(session, 0));
    EXPECT_FALSE(DiffersFromBaseline(session, 1));
    PatchDialog dialog(session, editor.prompter(), &editor.window());
    EXPECT_TRUE(dialog.findChild<QLabel *>("lblPatchImages")->text().contains("Only the enemy table"));
    dialog.show();
    dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible()) << "Cancel closes the patch dialog";
    const QString patchFile = PathOf(image) + ".ips";
    ASSERT_EQ(ExportPatch(session, {&FormatNamed(u"ips"), session.rom().kind()}, patchFile),
              std::nullopt);
    QFile file(patchFile);
    file.open(QIODevice::ReadOnly);
    const QByteArray patch = file.readAll();
    EXPECT_EQ(ApplyIps(original, Bytes(patch.begin(), patch.end())), image.contents());
    editor.find<QAction>("mnuRevertToBaseline")->trigger();
    editor.clickApply();
    EXPECT_EQ(image.contents(), original);

    QString about;
    QTimer::singleShot(0, [&about] {
        about = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())->text();
        QApplication::activeModalWidget()->close();
    });
    editor.find<QAction>("mnuAbout")->trigger();
    EXPECT_TRUE(about.contains("Every write is journaled in " +
                               QDir::toNativeSeparators(session.journalSettings().folder())));
    editor.find<QAction>("mnuJournal")->trigger();
    EXPECT_FALSE(session.journal());
    EXPECT_EQ(editor.window().settings()->value(JOURNAL_SETTING), false);
}

// Edit › History lists the writes of earlier sessions below this one's
// steps; undoing one is refused, naming the field, while the image no longer
// holds what it left, and otherwise takes the table back as one step.
TEST(JournalWindow, AnEarlierSessionsWriteIsListedAndUndone)
{
    QDir(JournalFolder::DefaultPath()).removeRecursively();
    TestImage image;
    image.fillRandom(9);
    const Bytes original = image.recordBytes(0);
    {
        EditorHarness earlier;
        earlier.loadRom(image.path());
        earlier.type("txtHP", "4321");
        earlier.clickApply();
    }
    const Bytes written = image.recordBytes(0);
    const auto changed = std::ranges::mismatch(original, written).in1 - original.begin();
    Bytes other = written;
    other[std::size_t(changed)] ^= 0xFF; // another program's change since
    image.setBytes(image.recordOffset(0), other);
    for (const bool refused : {true, false}) {
        EditorHarness editor;
        editor.loadRom(image.path());
        editor.find<QAction>("mnuHistory")->trigger();
        auto *list = editor.find<QListWidget>("lstEarlierWrites");
        // Newest first; a refused undo is journaled too, as nothing written.
        ASSERT_TRUE(list && list->count() == (refused ? 1 : 2));
        QListWidgetItem *apply = list->item(list->count() - 1);
        EXPECT_TRUE(apply->text().contains("Apply to 001")) << apply->text().toStdString();
        auto *undo = editor.find<QPushButton>("cmdUndoEarlier");
        EXPECT_FALSE(undo->isEnabled()) << "nothing chosen";
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(apply).center());
        QTest::mouseClick(undo, Qt::LeftButton);
        const QString told = editor.takeMessages().join("");
        EXPECT_EQ(told.contains("HP"), refused) << told.toStdString();
        EXPECT_EQ(image.recordBytes(0), refused ? other : original);
        if (refused) {
            image.setBytes(image.recordOffset(0), written); // put back as the write left it
        } else {
            EXPECT_TRUE(editor.window().session().stepText(0).startsWith("Undo \"Apply to 001"));
            editor.find<QAction>("mnuUndo")->trigger();
            EXPECT_EQ(image.recordBytes(0), written);
        }
    }
}

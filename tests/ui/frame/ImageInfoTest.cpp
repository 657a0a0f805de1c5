#include "CraftedCartridge.h"
#include "EditorHarness.h"
#include "ImageInfoDialog.h"

#include <QLabel>
#include <QPointer>
#include <QStatusBar>
#include <QTest>

using namespace mobwright;
using namespace mobwright::test;

namespace {

QString Fact(const QDialog &dialog, int row)
{
    return dialog.findChild<QLabel *>(QString("lblFact(%1)").arg(row))->text();
}

} // namespace

// The dialog shows the header's facts, and its button fixes the checksum as
// a step the window's Undo takes back; the status bar notes a checksum that
// does not match, and stops when it does. Kept right, each write fixes it in
// its own step.
TEST(ImageInfo, ShowsTheHeaderAndKeepsTheChecksumRight)
{
    TestImage image(3072 * 1024 + 512);
    {
        image.fillRandom(21);
        PutInternalHeader(image, HeaderPlace::HiROM);
        const std::uint8_t unprintable[] = {0x01};
        image.setBytes(512 + HeaderOffset(HeaderPlace::HiROM) + 3, unprintable);
        const auto before = image.contents();
        EditorHarness editor;
        editor.loadRom(image.path());
        // The note follows once the image is read in the background.
        const QLabel *note = editor.find<QLabel>("lblChecksum");
        const auto noteShown = [note](bool shown) {
            return QTest::qWaitFor([&] { return note->isVisible() == shown; });
        };
        EXPECT_TRUE(noteShown(true));
        EXPECT_EQ(note->text(), "Checksum does not match");

        // Return closes the dialog and never fixes the checksum, even on its
        // button; each opening makes a dialog of its own, let go once closed.
        editor.find<QAction>("mnuImageInfo")->trigger();
        const QPointer<ImageInfoDialog> first = editor.find<ImageInfoDialog>("ImageInfo");
        ASSERT_TRUE(first && first->isVisible());
        auto *fix = first->findChild<QPushButton *>("cmdFixChecksum");
        ASSERT_TRUE(fix->isEnabled());
        fix->setFocus();
        QTest::keyClick(fix, Qt::Key_Return);
        EXPECT_TRUE(image.contents() == before);
        EXPECT_TRUE(QTest::qWaitFor([&] { return first.isNull(); }));
        editor.find<QAction>("mnuImageInfo")->trigger();
        auto *dialog = editor.find<ImageInfoDialog>("ImageInfo");
        ASSERT_TRUE(dialog && dialog->isVisible());
        EXPECT_EQ(Fact(*dialog, 0), "MOB\\x01RIGHT TEST IMAGE");
        EXPECT_EQ(Fact(*dialog, 4), "4 MiB (0x0C) declared, 3 MiB in the file");
        EXPECT_EQ(Fact(*dialog, 9), "512 bytes");
        EXPECT_TRUE(Fact(*dialog, 10).endsWith(": does not match"))
            << Fact(*dialog, 10).toStdString();
        QTest::mouseClick(dialog->findChild<QPushButton *>("cmdFixChecksum"), Qt::LeftButton);
        const auto fixed = image.contents();
        EXPECT_EQ(StoredChecksum(fixed, HeaderPlace::HiROM), PlainChecksum(fixed));
        EXPECT_TRUE(Fact(*dialog, 10).endsWith(": matches"));
        EXPECT_FALSE(dialog->findChild<QPushButton *>("cmdFixChecksum")->isEnabled());
        EXPECT_TRUE(noteShown(false));
        EXPECT_EQ(editor.window().statusBar()->currentMessage(),
                  "Fix Checksum: written and synced");
        dialog->close();

        editor.find<QAction>("mnuUndo")->trigger();
        EXPECT_TRUE(image.contents() == before);
        EXPECT_TRUE(noteShown(true));

        editor.find<QAction>("mnuKeepChecksum")->trigger();
        editor.type("txtHP", "300");
        editor.clickApply();
        const auto written = image.contents();
        EXPECT_EQ(StoredChecksum(written, HeaderPlace::HiROM), PlainChecksum(written));
        EXPECT_TRUE(noteShown(false));
        editor.find<QAction>("mnuUndo")->trigger();
        EXPECT_TRUE(image.contents() == before) << "the write and the checksum are one step";
    }
    // The setting is remembered; it is let go again for the tests after this one.
    EditorHarness again;
    QAction *keep = again.find<QAction>("mnuKeepChecksum");
    EXPECT_TRUE(keep->isChecked());
    keep->trigger();
}

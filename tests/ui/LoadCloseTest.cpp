#include "EditorHarness.h"

#include <filesystem>

using namespace mobwright;
using namespace mobwright::test;

namespace {

// No image: no tab strip and no page. Otherwise record 0 of the image on the
// "Stats" page, in all three pickers.
void ExpectShown(EditorHarness &editor, const QString &firstLabel)
{
    EXPECT_EQ(editor.window().isRomLoaded(), !firstLabel.isEmpty());
    EXPECT_EQ(editor.tabs()->isHidden(), firstLabel.isEmpty());
    EXPECT_EQ(editor.visibleFrame(), firstLabel.isEmpty() ? "" : "frmOne");
    if (firstLabel.isEmpty())
        return;
    EXPECT_EQ(editor.tabs()->currentIndex(), 0);
    for (const char *picker : {"cmbEnemy(0)", "cmbEnemy(1)", "cmbEnemy(2)"}) {
        EXPECT_EQ(editor.combo(picker)->count(), 230) << picker;
        EXPECT_EQ(editor.combo(picker)->currentText(), firstLabel) << picker;
    }
    EXPECT_EQ(editor.edit("txtName")->text(), firstLabel.mid(5));
}

} // namespace

TEST(LoadRom, ShowsRecordZeroAndACancelledDialogChangesNothing)
{
    TestImage image;
    image.setName(0, "Boss");
    EditorHarness editor;
    editor.loadRom(QString());
    ExpectShown(editor, "");
    EXPECT_EQ(editor.combo("cmbEnemy(0)")->count(), 0);
    editor.loadRom(image);
    ExpectShown(editor, "001: Boss");

    editor.choose("cmbEnemy(0)", 5);
    editor.clickTab(2);
    editor.type("txtPal", "77"); // not applied
    editor.loadRom(QString());
    EXPECT_EQ(editor.combo("cmbEnemy(1)")->currentIndex(), 5);
    EXPECT_EQ(editor.visibleFrame(), "frmThree");
    EXPECT_EQ(editor.edit("txtPal")->text(), "77");
    EXPECT_TRUE(editor.takeMessages().isEmpty());
}

TEST(LoadRom, ARefusedImageIsReportedAndTheOpenOneStaysAsItWas)
{
    TestImage image, tooShort(1402 * 1024);
    EditorHarness editor;
    editor.loadRom(image);
    editor.choose("cmbEnemy(0)", 9);
    const auto folder = std::filesystem::path(image.path()).parent_path().string();
    for (const std::string &refused : {tooShort.path(), folder, folder + "/missing.smc"}) {
        editor.loadRom(QString::fromStdString(refused));
        EXPECT_EQ(editor.takeMessages().size(), 1) << refused;
        EXPECT_EQ(editor.combo("cmbEnemy(0)")->currentIndex(), 9);
        EXPECT_EQ(editor.visibleFrame(), "frmOne");
    }
    editor.type("txtLevel", "42"); // still the image that is written
    editor.clickApply();
    EXPECT_EQ(image.recordBytes(9)[54], 42);
}

// Another image, or the same one changed meanwhile, is read afresh; an image
// no longer shown is released.
TEST(LoadRom, ReadsEachImageAfreshAndReleasesTheOneBefore)
{
    TestImage first, second(HEADERLESS_IMAGE_SIZE);
    second.setName(0, "Second");
    EditorHarness editor, other;
    editor.loadRom(first);
    editor.choose("cmbEnemy(2)", 17);
    editor.clickTab(1);
    editor.loadRom(second);
    ExpectShown(editor, "001: Second");
    second.setName(0, "Changed");
    editor.loadRom(second);
    ExpectShown(editor, "001: Changed");
    other.loadRom(first);
    EXPECT_TRUE(other.window().isRomLoaded());
    EXPECT_TRUE(editor.takeMessages().isEmpty() && other.takeMessages().isEmpty());
}

TEST(CloseRom, HidesThePagesAndReleasesTheImageUntilItIsLoadedAgain)
{
    TestImage image;
    image.setName(0, "Zero");
    EditorHarness editor, other;
    editor.loadRom(image);
    editor.choose("cmbEnemy(1)", 40);
    editor.clickTab(1);
    editor.closeRom();
    editor.closeRom(); // with nothing open
    ExpectShown(editor, "");
    other.loadRom(image);
    other.closeRom();
    editor.loadRom(image);
    ExpectShown(editor, "001: Zero");

    // Closing the window releases the image and writes no unapplied edit.
    const auto before = image.contents();
    editor.type("txtHP", "1234");
    editor.window().close();
    other.loadRom(image);
    EXPECT_TRUE(other.window().isRomLoaded());
    EXPECT_EQ(image.contents(), before);
}

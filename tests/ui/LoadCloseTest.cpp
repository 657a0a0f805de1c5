#include "EditorHarness.h"
#include "ProbedFile.h"
#include "TableGeometry.h"

#include <filesystem>

using namespace mobwright;
using namespace mobwright::test;

namespace {

// No image: no tab strip and no page. Otherwise the enemy index shown in
// all three pickers and the controls, and how often its record was read.
void ExpectShown(EditorHarness &editor, const QString &label, int index = 0,
                 FileProbe *probe = nullptr)
{
    EXPECT_EQ(editor.tabs()->isHidden(), label.isEmpty());
    EXPECT_EQ(editor.window().isRomLoaded(), !label.isEmpty());
    if (label.isEmpty())
        EXPECT_EQ(editor.visibleFrame(), "");
    for (const char *picker : {"cmbEnemy(0)", "cmbEnemy(1)", "cmbEnemy(2)"}) {
        EXPECT_EQ(editor.combo(picker)->currentText(), label) << picker;
        EXPECT_EQ(editor.combo(picker)->count(), label.isEmpty() ? 0 : 230) << picker;
    }
    EXPECT_EQ(editor.edit("txtName")->text(), label.mid(5));
    EXPECT_TRUE(!probe ||
                probe->readsAt[EnemyRecordOffset(EnemyTableOffset(MIN_IMAGE_SIZE), index)] == 1)
        << index;
}

} // namespace

TEST(LoadRom, ShowsRecordZeroOnTheStatsPageAndACancelledDialogChangesNothing)
{
    TestImage image;
    image.setName(0, "Boss");
    EditorHarness editor;
    editor.loadRom("");
    ExpectShown(editor, "");
    editor.loadRom(image.path());
    ExpectShown(editor, "001: Boss");
    EXPECT_EQ(editor.visibleFrame() + editor.tabs()->tabText(editor.tabs()->currentIndex()),
              "frmOneStats");
    editor.choose("cmbEnemy(0)", 5);
    editor.clickTab(2);
    editor.type("txtPal", "77"); // not applied
    editor.loadRom("");
    EXPECT_EQ(editor.combo("cmbEnemy(1)")->currentIndex(), 5);
    EXPECT_EQ(editor.visibleFrame(), "frmThree");
    EXPECT_EQ(editor.edit("txtPal")->text(), "77");
}

TEST(LoadRom, ARefusedImageIsReportedAndTheOpenOneStaysInUse)
{
    TestImage image, tooShort(1402 * 1024);
    EditorHarness editor;
    editor.loadRom(image.path());
    editor.choose("cmbEnemy(0)", 9);
    const auto folder = std::filesystem::path(image.path()).parent_path().string();
    for (const std::string &refused : {tooShort.path(), folder, folder + "/missing.smc"}) {
        editor.loadRom(refused);
        EXPECT_EQ(editor.takeMessages().size(), 1) << refused;
        EXPECT_EQ(editor.combo("cmbEnemy(0)")->currentIndex(), 9);
    }
    editor.type("txtLevel", "42");
    editor.clickApply();
    EXPECT_EQ(image.recordBytes(9)[54], 42);
}

// Another image, or the same one changed meanwhile, is read afresh; an image
// no longer shown is released, so that another editor can open it.
TEST(LoadRom, ReadsEachImageAfreshAndReleasesTheOneBeforeOrClosed)
{
    TestImage first, second(HEADERLESS_IMAGE_SIZE);
    EditorHarness editor, other;
    editor.loadRom(first.path());
    editor.choose("cmbEnemy(2)", 17);
    editor.clickTab(1);
    for (const char *name : {"Second", "Changed"}) {
        second.setName(0, name);
        editor.loadRom(second.path());
        ExpectShown(editor, QStringLiteral("001: %1").arg(name));
        EXPECT_EQ(editor.visibleFrame(), "frmOne");
    }
    other.loadRom(first.path());
    editor.closeRom();
    editor.closeRom(); // with nothing open
    EXPECT_TRUE(editor.tabs()->isHidden() && editor.visibleFrame().isEmpty());
    other.loadRom(second.path());
    ExpectShown(other, "001: Changed");
    other.type("txtHP", "1234"); // never applied
    const auto before = second.contents();
    other.window().close();
    editor.loadRom(second.path());
    EXPECT_TRUE(second.contents() == before);
    EXPECT_TRUE(editor.takeMessages().isEmpty() && other.takeMessages().isEmpty());
}

TEST(EnemyPicker, AChoiceOnAnyPageIsMadeEverywhereAndReadOnceAndAgainNever)
{
    TestImage image;
    for (int k = 0; k < 230; ++k)
        image.setName(k, "Enemy" + std::to_string(k));
    auto probe = std::make_shared<FileProbe>();
    EditorHarness editor;
    editor.window().setFileOpener(ProbedOpener(probe));
    editor.loadRom(image.path());
    ExpectShown(editor, "001: Enemy0", 0, probe.get());
    for (const auto &[picker, index] :
         {std::pair{"cmbEnemy(2)", 17}, {"cmbEnemy(1)", 99}, {"cmbEnemy(0)", 229}}) {
        editor.choose(picker, index);
        ExpectShown(editor,
                    QStringLiteral("%1: Enemy%2").arg(index + 1, 3, 10, QChar('0')).arg(index),
                    index, probe.get());
    }
    // Neither the shown enemy nor another page reads it again or drops an edit.
    editor.type("txtHP", "999");
    editor.choose("cmbEnemy(1)", 229);
    for (const auto &[tab, frame] : {std::pair{1, "frmTwo"}, {2, "frmThree"}, {0, "frmOne"}}) {
        editor.clickTab(tab);
        EXPECT_EQ(editor.visibleFrame(), frame);
    }
    EXPECT_EQ(editor.edit("txtHP")->text(), "999");
    ExpectShown(editor, "230: Enemy229", 229, probe.get());
}

#include "EditorHarness.h"
#include "ProbedFile.h"

using namespace mobwright;
using namespace mobwright::test;

// The enemy all pickers and the name box show, with the page shown; "" with no image open,
// where the first look's hint shows instead.
static QString Shown(EditorHarness &editor)
{
    QString shown = editor.combo("cmbEnemy(0)")->currentText();
    for (const char *picker : {"cmbEnemy(1)", "cmbEnemy(2)"})
        shown += editor.combo(picker)->currentText() == shown ? "" : "|differs";
    const bool open = editor.window().session().isOpen();
    const bool consistent = open == editor.tabs()->isVisible() &&
                            open != editor.widget("lblFirstLook")->isVisible() &&
                            (!open || shown.mid(5) == editor.edit("txtName")->text());
    const QString text = open ? shown + "|" + editor.visibleFrame() : editor.visibleFrame();
    return consistent ? text : text + "|inconsistent";
}

TEST(LoadRom, ShowsRecordZeroOnTheStatsPageAndACancelledDialogChangesNothing)
{
    TestImage image, second(HEADERLESS_IMAGE_SIZE);
    image.setName(0, "Boss");
    EditorHarness editor;
    editor.loadRom(QString());
    EXPECT_EQ(Shown(editor), "");
    editor.loadRom(image.path());
    EXPECT_EQ(Shown(editor), "001: Boss|frmOne");
    EXPECT_EQ(editor.tabs()->currentIndex() + editor.combo("cmbEnemy(2)")->count(), 230);
    editor.choose("cmbEnemy(0)", 5);
    editor.clickTab(2);
    editor.type("txtPal", "77"); // not applied
    editor.loadRom(QString());
    EXPECT_EQ(Shown(editor), "006: |frmThree");
    EXPECT_EQ(editor.edit("txtPal")->text(), "77");
    // Another image, or the same one changed meanwhile, is read afresh.
    for (const char *name : {"Second", "Changed"}) {
        second.setName(0, name);
        editor.loadRom(second.path());
        EXPECT_EQ(Shown(editor), QStringLiteral("001: %1|frmOne").arg(name));
    }
}

// An image closed, replaced or left with the window is free for another
// editor, and nothing unapplied is written.
TEST(CloseRom, HidesThePagesAndReleasesTheImage)
{
    TestImage first, second;
    EditorHarness editor, other;
    editor.loadRom(first.path());
    editor.clickTab(1);
    editor.loadRom(second.path());
    other.loadRom(first.path());
    editor.closeRom();
    editor.closeRom(); // with nothing open
    EXPECT_EQ(Shown(editor), "");
    other.loadRom(second.path());
    other.type("txtHP", "1234");
    other.window().close();
    editor.loadRom(second.path());
    EXPECT_EQ(Shown(editor), "001: |frmOne");
    EXPECT_TRUE(second.contents() == TestImage().contents());
    EXPECT_TRUE(editor.takeMessages().isEmpty() && other.takeMessages().isEmpty());
}

TEST(EnemyPicker, AChoiceOnAnyPageIsMadeEverywhereAndReadsNothing)
{
    TestImage image;
    for (int k = 0; k < 230; ++k)
        image.setName(k, "Enemy" + std::to_string(k));
    auto probe = std::make_shared<FileProbe>();
    EditorHarness editor;
    editor.window().session().setFileOpener(ProbedOpener(probe));
    editor.loadRom(image.path());
    for (const auto &[picker, index, label] : {std::tuple{"cmbEnemy(2)", 17, "018: Enemy17"},
                                               {"cmbEnemy(1)", 99, "100: Enemy99"},
                                               {"cmbEnemy(0)", 229, "230: Enemy229"}}) {
        editor.choose(picker, index);
        EXPECT_EQ(Shown(editor), QString(label) + "|frmOne");
    }
    // Neither the shown enemy nor another page reads the file or drops an edit.
    editor.type("txtHP", "999");
    editor.choose("cmbEnemy(1)", 229);
    editor.clickTab(2);
    EXPECT_EQ(editor.visibleFrame(), "frmThree");
    editor.clickTab(0);
    EXPECT_EQ(Shown(editor) + editor.edit("txtHP")->text(), "230: Enemy229|frmOne999");
    for (const int index : {0, 17, 99, 229})
        EXPECT_EQ(probe->readsAt[image.recordOffset(index)], 0) << index;
}

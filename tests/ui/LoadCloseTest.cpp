#include "EditorHarness.h"
#include "ProbedFile.h"
#include "TestImage.h"

#include <QTabBar>

#include <filesystem>

using namespace mobwright;
using namespace mobwright::test;

namespace {

QString PathOf(const TestImage &image)
{
    return QString::fromStdString(image.path());
}

QTabBar *TabStrip(EditorHarness &editor)
{
    return editor.window().findChild<QTabBar *>("TabStrip1");
}

} // namespace

TEST(EditorStart, ShowsOnlyTheFileMenu)
{
    EditorHarness editor;
    EXPECT_EQ(editor.window().objectName(), "Main");
    EXPECT_EQ(editor.window().windowTitle(), "Mobwright");
    EXPECT_FALSE(editor.window().windowIcon().isNull());
    EXPECT_TRUE(TabStrip(editor)->isHidden());
    EXPECT_EQ(editor.visibleFrame(), "");
    EXPECT_EQ(editor.combo("cmbEnemy(0)")->count(), 0);
    EXPECT_TRUE(editor.edit("txtHP")->text().isEmpty());
}

TEST(EditorStart, CancellingTheFirstLoadChangesNothing)
{
    EditorHarness editor;
    editor.loadRom(QString());
    EXPECT_FALSE(editor.window().isRomLoaded());
    EXPECT_TRUE(TabStrip(editor)->isHidden());
    EXPECT_EQ(editor.visibleFrame(), "");
    EXPECT_TRUE(editor.takeMessages().isEmpty());
}

TEST(EditorLoad, ShowsTheStatsPageAndRecordZeroEverywhere)
{
    TestImage image;
    image.setName(0, "Boss");
    image.setName(1, "Frog");
    EditorHarness editor;
    editor.loadRom(PathOf(image));

    EXPECT_TRUE(editor.window().isRomLoaded());
    EXPECT_FALSE(TabStrip(editor)->isHidden());
    EXPECT_EQ(TabStrip(editor)->currentIndex(), 0);
    EXPECT_EQ(editor.visibleFrame(), "frmOne");
    for (const char *picker : {"cmbEnemy(0)", "cmbEnemy(1)", "cmbEnemy(2)"}) {
        EXPECT_EQ(editor.combo(picker)->count(), 230) << picker;
        EXPECT_EQ(editor.combo(picker)->currentIndex(), 0) << picker;
        EXPECT_EQ(editor.combo(picker)->currentText(), "001: Boss") << picker;
    }
    EXPECT_EQ(editor.combo("cmbEnemy(0)")->itemText(1), "002: Frog");
    EXPECT_EQ(editor.combo("cmbEnemy(0)")->itemText(229), "230: ");
    EXPECT_EQ(editor.edit("txtName")->text(), "Boss");
}

TEST(EditorLoad, CancellingALaterLoadKeepsTheImageRecordAndPage)
{
    TestImage image;
    EditorHarness editor;
    editor.loadRom(PathOf(image));
    editor.choose("cmbEnemy(0)", 5);
    editor.clickTab(2);
    editor.type("txtPal", "77"); // not applied

    editor.loadRom(QString());
    EXPECT_TRUE(editor.window().isRomLoaded());
    EXPECT_EQ(editor.combo("cmbEnemy(1)")->currentIndex(), 5);
    EXPECT_EQ(editor.visibleFrame(), "frmThree");
    EXPECT_EQ(editor.edit("txtPal")->text(), "77");
}

TEST(EditorLoad, RefusedImagesLeaveEverythingAsItWas)
{
    TestImage image;
    TestImage tooShort(MIN_IMAGE_SIZE - 1);
    EditorHarness editor;
    editor.loadRom(PathOf(image));
    editor.choose("cmbEnemy(0)", 9);

    const auto folder = std::filesystem::path(image.path()).parent_path().string();
    for (const std::string &refused : {tooShort.path(), folder, folder + "/missing.smc"}) {
        editor.loadRom(QString::fromStdString(refused));
        const QStringList messages = editor.takeMessages();
        ASSERT_EQ(messages.size(), 1) << refused;
        EXPECT_TRUE(messages[0].contains(QString::fromStdString(refused))) << messages[0].toStdString();
        EXPECT_TRUE(editor.window().isRomLoaded());
        EXPECT_EQ(editor.combo("cmbEnemy(0)")->currentIndex(), 9);
        EXPECT_EQ(editor.visibleFrame(), "frmOne");
    }

    // The image stays usable: applying still writes into it.
    editor.type("txtLevel", "42");
    editor.clickApply();
    EXPECT_EQ(image.recordBytes(9)[54], 42);
}

TEST(EditorLoad, AnImageOpenInAnotherEditorIsRefused)
{
    TestImage image;
    EditorHarness first;
    first.loadRom(PathOf(image));
    EditorHarness second;
    second.loadRom(PathOf(image));
    const QStringList messages = second.takeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("already open")) << messages[0].toStdString();
    EXPECT_FALSE(second.window().isRomLoaded());

    first.closeRom();
    second.loadRom(PathOf(image));
    EXPECT_TRUE(second.window().isRomLoaded());
}

TEST(EditorLoad, ASecondImageReplacesTheFirstAndItsLock)
{
    TestImage first;
    first.setName(0, "First");
    TestImage second(HEADERLESS_IMAGE_SIZE);
    second.setName(0, "Second");
    second.setName(229, "Last");
    EditorHarness editor;
    editor.loadRom(PathOf(first));
    editor.choose("cmbEnemy(2)", 17);
    editor.clickTab(1);

    editor.loadRom(PathOf(second));
    EXPECT_EQ(editor.combo("cmbEnemy(0)")->count(), 230);
    EXPECT_EQ(editor.combo("cmbEnemy(2)")->currentText(), "001: Second");
    EXPECT_EQ(editor.combo("cmbEnemy(0)")->itemText(229), "230: Last");
    EXPECT_EQ(editor.edit("txtName")->text(), "Second");
    EXPECT_EQ(TabStrip(editor)->currentIndex(), 0);
    EXPECT_EQ(editor.visibleFrame(), "frmOne");

    // The first image is free again.
    EditorHarness other;
    other.loadRom(PathOf(first));
    EXPECT_TRUE(other.window().isRomLoaded()) << other.takeMessages().join("").toStdString();
}

TEST(EditorClose, CloseRomHidesThePagesAndLoadingAgainShowsRecordZero)
{
    TestImage image;
    image.fillRandom(5);
    image.setName(0, "Zero");
    const auto before = image.contents();
    EditorHarness editor;
    editor.loadRom(PathOf(image));
    editor.choose("cmbEnemy(1)", 40);
    editor.clickTab(1);

    editor.closeRom();
    EXPECT_FALSE(editor.window().isRomLoaded());
    EXPECT_TRUE(TabStrip(editor)->isHidden());
    EXPECT_EQ(editor.visibleFrame(), "");
    EXPECT_EQ(image.contents(), before);

    editor.closeRom(); // nothing to close: no change
    EXPECT_FALSE(editor.window().isRomLoaded());

    editor.loadRom(PathOf(image));
    EXPECT_EQ(editor.visibleFrame(), "frmOne");
    EXPECT_EQ(TabStrip(editor)->currentIndex(), 0);
    EXPECT_EQ(editor.combo("cmbEnemy(0)")->currentIndex(), 0);
    EXPECT_EQ(editor.edit("txtName")->text(), "Zero");
}

TEST(EditorClose, ClosingTheWindowWritesNothingAndReleasesTheImage)
{
    TestImage image;
    image.fillRandom(6);
    const auto before = image.contents();
    {
        EditorHarness editor;
        editor.loadRom(PathOf(image));
        editor.choose("cmbEnemy(0)", 3);
        editor.type("txtHP", "1234"); // never applied
        editor.closeWindow();
        EXPECT_FALSE(editor.window().isVisible());

        EditorHarness other;
        other.loadRom(PathOf(image));
        EXPECT_TRUE(other.window().isRomLoaded());
    }
    EXPECT_EQ(image.contents(), before);
}

TEST(EditorLoad, AReadFailureWhileLoadingIsReportedAndLeavesTheImageClosed)
{
    TestImage image;
    auto probe = std::make_shared<FileProbe>();
    EditorHarness editor;
    editor.window().setFileOpener(ProbedOpener(probe));
    probe->failReads = true;
    editor.loadRom(PathOf(image));
    EXPECT_EQ(editor.takeMessages().size(), 1);
    EXPECT_FALSE(editor.window().isRomLoaded());
    EXPECT_EQ(editor.visibleFrame(), "");
}

TEST(EditorLoad, LoadingTheOpenImageAgainReadsItAfresh)
{
    TestImage image;
    image.setName(0, "Before");
    EditorHarness editor;
    editor.loadRom(PathOf(image));
    editor.choose("cmbEnemy(0)", 4);
    image.setName(0, "After"); // another program changes the file

    editor.loadRom(PathOf(image));
    EXPECT_TRUE(editor.takeMessages().isEmpty());
    EXPECT_EQ(editor.combo("cmbEnemy(0)")->currentText(), "001: After");
    EXPECT_EQ(editor.edit("txtName")->text(), "After");

    editor.type("txtLevel", "9");
    editor.clickApply();
    EXPECT_EQ(image.recordBytes(0)[54], 9);

    // Cut short meanwhile, it is refused and stays loaded as it was.
    std::filesystem::resize_file(image.path(), 1000);
    editor.loadRom(PathOf(image));
    EXPECT_EQ(editor.takeMessages().size(), 1);
    EXPECT_TRUE(editor.window().isRomLoaded());
    EXPECT_EQ(editor.edit("txtLevel")->text(), "9");
}

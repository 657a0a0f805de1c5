#include "EditorHarness.h"
#include "QtText.h"
#include "TestImage.h"
#include "ValueLists.h"

using namespace mobwright;
using namespace mobwright::test;

TEST(ListLabelsWindow, ListsShowTheOpenImagesNamesAndFollowAnApply)
{
    TestImage image;
    image.setGameText(image.imageOffset(0x155200) + 88 * 39, "Bread");
    image.setName(0, "Marsh Hopper");
    image.setRecordBytes(0, 30, {8, 0});   // overworld picture 008
    image.setRecordBytes(0, 70, {140, 0}); // an item action
    EditorHarness editor;
    editor.loadRom(QString::fromStdString(image.path()));
    const auto entry = [&](const char *list, int row) { return editor.combo(list)->itemText(row); };
    EXPECT_EQ(entry("cmbItem", 88), "88 - Bread");
    EXPECT_EQ(entry("cmbArgs(0)", 87), "88 - Bread");
    EXPECT_EQ(entry("cmbOutside", 7), "Marsh Hopper             008");

    editor.choose("cmbOutside", 10);
    editor.clickApply();
    EXPECT_EQ(entry("cmbOutside", 7), ToQString(OutsidePicLabels()[7]));
    EXPECT_EQ(entry("cmbOutside", 10), "Marsh Hopper             011");

    // Closing drops the image's names, in the argument list shown too.
    editor.closeRom();
    EXPECT_EQ(entry("cmbItem", 88), ToQString(ItemLabels()[88]));
    EXPECT_EQ(entry("cmbArgs(0)", 87), ToQString(ItemLabels()[88]));
}

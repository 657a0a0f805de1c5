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
    QComboBox *items = editor.combo("cmbItem");
    QComboBox *arguments = editor.combo("cmbArgs(0)");
    QComboBox *outside = editor.combo("cmbOutside");
    EXPECT_EQ(items->itemText(88), "88 - Bread");
    EXPECT_EQ(arguments->itemText(87), "88 - Bread");
    EXPECT_EQ(outside->itemText(7), "Marsh Hopper             008");

    editor.choose("cmbOutside", 10);
    editor.clickApply();
    EXPECT_EQ(outside->itemText(7), ToQString(OutsidePicLabels()[7]));
    EXPECT_EQ(outside->itemText(10), "Marsh Hopper             011");

    // Closing drops the image's names, in the argument list shown too.
    editor.closeRom();
    EXPECT_EQ(items->itemText(88), ToQString(ItemLabels()[88]));
    EXPECT_EQ(arguments->itemText(87), ToQString(ItemLabels()[88]));
}

#include "EditorHarness.h"
#include "TestImage.h"

using namespace mobwright;
using namespace mobwright::test;

namespace {

// Record 0 holds: slot 1 normal, slot 2 PSI, slot 3 call, slot 4 item, with
// arguments 1, 5, 230 and 255.
class ActionSlotsTest : public testing::Test
{
protected:
    ActionSlotsTest()
    {
        for (int k = 0; k < 230; ++k)
            image_.setName(k, "Foe" + std::to_string(k));
        image_.setRecordBytes(0, 70, {4, 0, 12, 0, 245, 0, 159, 0, 0x3E, 0x01, 1, 5, 230, 255});
        editor_.loadRom(QString::fromStdString(image_.path()));
        editor_.clickTab(1);
    }

    QComboBox *arguments(int slot) const { return editor_.combo(QStringLiteral("cmbArgs(%1)").arg(slot)); }
    QString tag(int slot) const { return arguments(slot)->property("Tag").toString(); }

    TestImage image_;
    EditorHarness editor_;
};

} // namespace

TEST_F(ActionSlotsTest, LoadingFillsEachArgumentListForItsActionsKind)
{
    EXPECT_EQ(editor_.combo("cmbAct1")->currentText(), "Attack");
    EXPECT_EQ(editor_.combo("cmbFinalAct")->currentIndex(), 318);

    EXPECT_EQ(tag(0), "TYPE_NORMAL");
    EXPECT_EQ(arguments(0)->count(), 1);
    EXPECT_EQ(arguments(0)->currentIndex(), 0);
    EXPECT_EQ(arguments(0)->itemText(0), "");

    EXPECT_EQ(tag(1), "TYPE_PSI");
    EXPECT_EQ(arguments(1)->count(), 255); // an argument byte names at most 255 rows
    EXPECT_EQ(arguments(1)->itemText(0), "PSI Special 1");
    EXPECT_EQ(arguments(1)->currentIndex(), 4);

    EXPECT_EQ(tag(2), "TYPE_CALL");
    EXPECT_EQ(arguments(2)->count(), 230);
    EXPECT_EQ(arguments(2)->itemText(0), "001: Foe0");
    EXPECT_EQ(arguments(2)->currentText(), "230: Foe229");

    EXPECT_EQ(tag(3), "TYPE_ITEM");
    EXPECT_EQ(arguments(3)->count(), 255);
    EXPECT_TRUE(arguments(3)->itemText(0).startsWith("1 - "));
    EXPECT_EQ(arguments(3)->itemText(254), "255 - ");
    EXPECT_EQ(arguments(3)->currentIndex(), 254);
}

TEST_F(ActionSlotsTest, AnotherKindRefillsTheListAndSelectsItsFirstEntry)
{
    editor_.choose("cmbAct1", 10); // normal to PSI
    EXPECT_EQ(tag(0), "TYPE_PSI");
    EXPECT_EQ(arguments(0)->currentText(), "PSI Special 1");

    editor_.choose("cmbAct4", 0); // item to normal
    EXPECT_EQ(tag(3), "TYPE_NORMAL");
    EXPECT_EQ(arguments(3)->count(), 1);
    EXPECT_EQ(arguments(3)->currentIndex(), 0);

    editor_.choose("cmbAct2", 63); // PSI to call
    EXPECT_EQ(arguments(1)->currentText(), "001: Foe0");

    editor_.choose("cmbAct3", 140); // call to item
    EXPECT_TRUE(arguments(2)->currentText().startsWith("1 - "));

    editor_.clickApply(2);
    EXPECT_EQ(image_.recordBytes(0)[80], 1);
    EXPECT_EQ(image_.recordBytes(0)[81], 1);
    EXPECT_EQ(image_.recordBytes(0)[82], 1);
    EXPECT_EQ(image_.recordBytes(0)[83], 1);
}

TEST_F(ActionSlotsTest, AnotherActionOfTheSameKindKeepsTheArgument)
{
    editor_.choose("cmbAct2", 40); // PSI to PSI
    EXPECT_EQ(arguments(1)->currentIndex(), 4);
    editor_.choose("cmbAct3", 62); // call to call
    EXPECT_EQ(arguments(2)->currentIndex(), 229);
    editor_.choose("cmbAct4", 200); // item to item
    EXPECT_EQ(arguments(3)->currentIndex(), 254);
}

TEST_F(ActionSlotsTest, ASlotTouchesOnlyItsOwnArgumentList)
{
    arguments(0)->setCurrentIndex(0);
    editor_.choose("cmbAct3", 4);
    EXPECT_EQ(tag(2), "TYPE_NORMAL");
    EXPECT_EQ(tag(0), "TYPE_NORMAL");
    EXPECT_EQ(tag(1), "TYPE_PSI");
    EXPECT_EQ(arguments(1)->currentIndex(), 4);
    EXPECT_EQ(tag(3), "TYPE_ITEM");
    EXPECT_EQ(arguments(3)->currentIndex(), 254);
    // The final action has no argument to touch.
    editor_.choose("cmbFinalAct", 10);
    EXPECT_EQ(arguments(1)->currentIndex(), 4);
}

TEST_F(ActionSlotsTest, ArgumentsWithoutAnEntryShowTheirValueAndAreKept)
{
    image_.setRecordBytes(1, 70, {4, 0, 0x50, 0x01, 62, 0, 0, 0});
    image_.setRecordBytes(1, 80, {2, 9, 231, 0});
    editor_.choose("cmbEnemy(2)", 1);
    EXPECT_EQ(arguments(0)->currentIndex(), -1);
    EXPECT_EQ(arguments(0)->placeholderText(), "(stored value 2)");
    EXPECT_EQ(editor_.combo("cmbAct2")->currentIndex(), -1); // action 336 is unknown
    EXPECT_EQ(editor_.combo("cmbAct2")->placeholderText(), "(stored value 336)");
    EXPECT_EQ(arguments(1)->count(), 0);
    EXPECT_EQ(arguments(2)->currentIndex(), -1);
    EXPECT_EQ(arguments(3)->currentIndex(), -1); // a stored 0 is no entry
    EXPECT_EQ(arguments(3)->placeholderText(), "");

    const auto before = image_.recordBytes(1);
    editor_.clickApply(2);
    EXPECT_TRUE(editor_.takeMessages().isEmpty());
    const auto after = image_.recordBytes(1);
    for (int offset = 70; offset <= 83; ++offset)
        EXPECT_EQ(after[offset], before[offset]) << offset;
}

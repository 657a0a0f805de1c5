#include "EditorHarness.h"
#include "FieldEntries.h"

using namespace mobwright;
using namespace mobwright::test;

namespace {

// Record 0's slots: 1 normal, 2 PSI, 3 call, 4 item, with arguments 1, 5,
// 230 and 255; its final action is 318.
class ActionSlotsTest : public testing::Test
{
protected:
    ActionSlotsTest()
    {
        for (int k = 0; k < 230; ++k)
            image_.setName(k, "Foe" + std::to_string(k));
        image_.setRecordBytes(0, 70, {4, 0, 12, 0, 245, 0, 159, 0, 0x3E, 0x01, 1, 5, 230, 255});
        editor_.loadRom(image_);
        editor_.clickTab(1);
    }

    QComboBox *arguments(int slot) const
    {
        return editor_.combo(QStringLiteral("cmbArgs(%1)").arg(slot));
    }

    // The kind an argument list was filled for, its entry count and selection.
    void expectArguments(int slot, const char *kind, int count, int selected)
    {
        EXPECT_EQ(arguments(slot)->property("Tag").toString(), kind) << slot;
        EXPECT_EQ(arguments(slot)->count(), count) << slot;
        EXPECT_EQ(arguments(slot)->currentIndex(), selected) << slot;
    }

    TestImage image_;
    EditorHarness editor_;
};

} // namespace

TEST_F(ActionSlotsTest, EachArgumentListOffersWhatItsActionsKindNames)
{
    EXPECT_EQ(editor_.combo("cmbAct1")->currentText(), "Attack");
    EXPECT_EQ(editor_.combo("cmbFinalAct")->currentIndex(), 318);
    expectArguments(0, "TYPE_NORMAL", 1, 0);
    EXPECT_EQ(arguments(0)->itemText(0), "");
    expectArguments(1, "TYPE_PSI", ArgumentEntryCount(ActionKind::Psi), 4);
    EXPECT_EQ(arguments(1)->itemText(0), "PSI Special 1");
    expectArguments(2, "TYPE_CALL", 230, 229);
    EXPECT_EQ(arguments(2)->itemText(0), "001: Foe0");
    expectArguments(3, "TYPE_ITEM", ArgumentEntryCount(ActionKind::Item), 254);
    EXPECT_EQ(arguments(3)->itemText(254), "255 - ");

    // After an apply the enemy list shows the name as applied.
    editor_.type("txtName", "Renamed");
    editor_.clickApply(2);
    EXPECT_EQ(arguments(2)->itemText(0), "001: Renamed");
}

TEST_F(ActionSlotsTest, AnotherKindRefillsOnlyItsSlotAndSelectsTheFirstEntry)
{
    editor_.choose("cmbAct1", 10); // normal to PSI
    expectArguments(0, "TYPE_PSI", ArgumentEntryCount(ActionKind::Psi), 0);
    editor_.choose("cmbAct4", 0); // item to normal
    expectArguments(3, "TYPE_NORMAL", 1, 0);
    expectArguments(1, "TYPE_PSI", ArgumentEntryCount(ActionKind::Psi), 4);
    expectArguments(2, "TYPE_CALL", 230, 229);
    editor_.choose("cmbAct2", 63); // PSI to call
    expectArguments(1, "TYPE_CALL", 230, 0);
    editor_.choose("cmbAct3", 140); // call to item
    expectArguments(2, "TYPE_ITEM", ArgumentEntryCount(ActionKind::Item), 0);
    editor_.choose("cmbFinalAct", 10); // no argument of its own
    expectArguments(2, "TYPE_ITEM", ArgumentEntryCount(ActionKind::Item), 0);
    editor_.clickApply(2);
    const auto record = image_.recordBytes(0);
    EXPECT_EQ(std::vector(record.begin() + 80, record.begin() + 84),
              std::vector<std::uint8_t>(4, 1));
}

TEST_F(ActionSlotsTest, AnotherActionOfTheSameKindKeepsTheArgument)
{
    editor_.choose("cmbAct2", 40);
    editor_.choose("cmbAct3", 62);
    editor_.choose("cmbAct4", 200);
    expectArguments(1, "TYPE_PSI", ArgumentEntryCount(ActionKind::Psi), 4);
    expectArguments(2, "TYPE_CALL", 230, 229);
    expectArguments(3, "TYPE_ITEM", ArgumentEntryCount(ActionKind::Item), 254);
}

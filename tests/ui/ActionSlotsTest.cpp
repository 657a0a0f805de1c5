#include "EditorHarness.h"

using namespace mobwright;
using namespace mobwright::test;

namespace {

// Record 0's slots: 1 normal, 2 PSI, 3 call, 4 item, with arguments 1, 5,
// 230 and 255.
class ActionSlotsTest : public testing::Test
{
protected:
    ActionSlotsTest()
    {
        image_.setRecordBytes(0, 70, {4, 0, 12, 0, 245, 0, 159, 0, 0, 0, 1, 5, 230, 255});
        editor_.loadRom(image_.path());
    }

    // For each slot, the kind its argument list was filled for, its entry
    // count and its selection.
    QString arguments() const
    {
        QStringList lists;
        for (const char *list : {"cmbArgs(0)", "cmbArgs(1)", "cmbArgs(2)", "cmbArgs(3)"}) {
            const QComboBox *box = editor_.combo(list);
            lists << box->property("Tag").toString() +
                         QStringLiteral(" %1 %2").arg(box->count()).arg(box->currentIndex());
        }
        return lists.join(", ");
    }

    TestImage image_;
    EditorHarness editor_;
};

} // namespace

TEST_F(ActionSlotsTest, EachArgumentListOffersWhatItsActionsKindNames)
{
    EXPECT_EQ(arguments(), "TYPE_NORMAL 1 0, TYPE_PSI 255 4, TYPE_CALL 230 229, TYPE_ITEM 255 254");
    EXPECT_EQ(editor_.combo("cmbArgs(0)")->itemText(0) + editor_.combo("cmbArgs(1)")->itemText(0) +
                  "|" + editor_.combo("cmbArgs(3)")->itemText(254),
              "PSI Special 1|255 - ");
    // The enemy list is the pickers', as applied: relabelled by an apply.
    editor_.type("txtName", "Renamed");
    editor_.clickApply();
    for (const char *list : {"cmbEnemy(0)", "cmbEnemy(1)", "cmbEnemy(2)", "cmbArgs(2)"})
        EXPECT_EQ(editor_.combo(list)->itemText(0), "001: Renamed") << list;
}

// Another kind refills only its own slot and selects the first entry, which
// applying stores as 1; another action of the same kind keeps the argument.
TEST_F(ActionSlotsTest, AnotherActionRefillsItsOwnSlotOnlyForAnotherKind)
{
    for (const auto &[list, action] :
         {std::pair{"cmbAct2", 40}, {"cmbAct3", 62}, {"cmbAct4", 200}, {"cmbFinalAct", 10}})
        editor_.choose(list, action);
    EXPECT_EQ(arguments(), "TYPE_NORMAL 1 0, TYPE_PSI 255 4, TYPE_CALL 230 229, TYPE_ITEM 255 254");
    editor_.choose("cmbAct1", 10);
    EXPECT_EQ(arguments(), "TYPE_PSI 255 0, TYPE_PSI 255 4, TYPE_CALL 230 229, TYPE_ITEM 255 254");
    for (const auto &[list, action] : {std::pair{"cmbAct2", 63}, {"cmbAct3", 140}, {"cmbAct4", 0}})
        editor_.choose(list, action);
    EXPECT_EQ(arguments(), "TYPE_PSI 255 0, TYPE_CALL 230 0, TYPE_ITEM 255 0, TYPE_NORMAL 1 0");
    editor_.clickApply(2);
    const auto record = image_.recordBytes(0);
    EXPECT_EQ(std::vector(record.begin() + 80, record.begin() + 84),
              std::vector<std::uint8_t>(4, 1));
}

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
        image_.setRecordBytes(0, 70, {4, 0, 12, 0, 245, 0, 159, 0, 0x3E, 0x01, 1, 5, 230, 255});
        editor_.loadRom(image_.path());
        editor_.clickTab(1);
    }

    // Which kind each slot's argument list was filled for, with its entry
    // count and selection.
    void expectArguments(const QString &expected)
    {
        QStringList lists;
        for (int slot = 0; slot < 4; ++slot) {
            const QComboBox *arguments = editor_.combo(QStringLiteral("cmbArgs(%1)").arg(slot));
            lists << QStringLiteral("%1 %2 %3")
                         .arg(arguments->property("Tag").toString())
                         .arg(arguments->count())
                         .arg(arguments->currentIndex());
        }
        EXPECT_EQ(lists.join(", "), expected);
    }

    TestImage image_;
    EditorHarness editor_;
};

} // namespace

TEST_F(ActionSlotsTest, EachArgumentListOffersWhatItsActionsKindNames)
{
    EXPECT_EQ(editor_.combo("cmbAct1")->currentText() + editor_.combo("cmbFinalAct")->currentText(),
              QString::fromUtf8(ActionLabels()[4].data()) + ActionLabels()[318].data());
    expectArguments("TYPE_NORMAL 1 0, TYPE_PSI 255 4, TYPE_CALL 230 229, TYPE_ITEM 255 254");
    EXPECT_EQ(editor_.combo("cmbArgs(0)")->itemText(0), "");
    EXPECT_EQ(editor_.combo("cmbArgs(1)")->itemText(0), "PSI Special 1");
    EXPECT_EQ(editor_.combo("cmbArgs(3)")->itemText(254), "255 - ");
    // The enemy list is the pickers', as applied: relabelled by an apply.
    editor_.type("txtName", "Renamed");
    editor_.clickApply(2);
    for (const char *list : {"cmbEnemy(0)", "cmbEnemy(1)", "cmbEnemy(2)", "cmbArgs(2)"})
        EXPECT_EQ(editor_.combo(list)->itemText(0), "001: Renamed") << list;
}

// Another kind refills only its own slot and selects the first entry, which
// applying stores as 1; another action of the same kind keeps the argument.
TEST_F(ActionSlotsTest, AnotherActionRefillsItsOwnSlotOnlyForAnotherKind)
{
    editor_.choose("cmbAct2", 40);
    editor_.choose("cmbAct3", 62);
    editor_.choose("cmbAct4", 200);
    editor_.choose("cmbFinalAct", 10);
    expectArguments("TYPE_NORMAL 1 0, TYPE_PSI 255 4, TYPE_CALL 230 229, TYPE_ITEM 255 254");
    editor_.choose("cmbAct1", 10);
    expectArguments("TYPE_PSI 255 0, TYPE_PSI 255 4, TYPE_CALL 230 229, TYPE_ITEM 255 254");
    editor_.choose("cmbAct2", 63);
    editor_.choose("cmbAct3", 140);
    editor_.choose("cmbAct4", 0);
    expectArguments("TYPE_PSI 255 0, TYPE_CALL 230 0, TYPE_ITEM 255 0, TYPE_NORMAL 1 0");
    editor_.clickApply(2);
    const auto record = image_.recordBytes(0);
    EXPECT_EQ(std::vector(record.begin() + 80, record.begin() + 84),
              std::vector<std::uint8_t>(4, 1));
}

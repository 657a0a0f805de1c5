#include "EditorHarness.h"
#include "ProbedFile.h"
#include "TestImage.h"

using namespace mobwright;
using namespace mobwright::test;

namespace {

class PickerTest : public testing::Test
{
protected:
    PickerTest()
    {
        image_.fillRandom(11);
        for (int k = 0; k < 230; ++k)
            image_.setName(k, "Enemy" + std::to_string(k));
        editor_.window().setFileOpener(ProbedOpener(probe_));
        editor_.loadRom(QString::fromStdString(image_.path()));
    }

    // How many times record index has been read through the cursor so far.
    int loadsOf(int index) const
    {
        const auto found = probe_->readsAt.find(image_.recordOffset(index));
        return found == probe_->readsAt.end() ? 0 : found->second;
    }

    TestImage image_;
    std::shared_ptr<FileProbe> probe_ = std::make_shared<FileProbe>();
    EditorHarness editor_;
};

} // namespace

TEST_F(PickerTest, LabelsNumberEachRecordFromOne)
{
    QComboBox *picker = editor_.combo("cmbEnemy(0)");
    EXPECT_EQ(picker->itemText(0), "001: Enemy0");
    EXPECT_EQ(picker->itemText(9), "010: Enemy9");
    EXPECT_EQ(picker->itemText(99), "100: Enemy99");
    EXPECT_EQ(picker->itemText(229), "230: Enemy229");
}

TEST_F(PickerTest, AChoiceOnAnyPageSelectsEverywhereAndLoadsOnce)
{
    EXPECT_EQ(loadsOf(0), 1);
    editor_.choose("cmbEnemy(2)", 17);
    for (const char *picker : {"cmbEnemy(0)", "cmbEnemy(1)", "cmbEnemy(2)"})
        EXPECT_EQ(editor_.combo(picker)->currentIndex(), 17) << picker;
    EXPECT_EQ(loadsOf(17), 1);
    EXPECT_EQ(editor_.edit("txtName")->text(), "Enemy17");

    editor_.choose("cmbEnemy(1)", 200);
    EXPECT_EQ(editor_.combo("cmbEnemy(0)")->currentIndex(), 200);
    EXPECT_EQ(editor_.combo("cmbEnemy(2)")->currentIndex(), 200);
    EXPECT_EQ(loadsOf(200), 1);
    EXPECT_EQ(loadsOf(17), 1);
}

TEST_F(PickerTest, ChoosingTheShownEnemyKeepsUnappliedEdits)
{
    editor_.choose("cmbEnemy(0)", 4);
    editor_.type("txtHP", "999");
    editor_.choose("cmbEnemy(1)", 4);
    EXPECT_EQ(editor_.edit("txtHP")->text(), "999");
    EXPECT_EQ(loadsOf(4), 1);
}

TEST_F(PickerTest, SwitchingPagesKeepsUnappliedEditsAndShowsOnePage)
{
    editor_.type("txtHP", "4321");
    editor_.choose("cmbType", 2);
    editor_.clickTab(1);
    EXPECT_EQ(editor_.visibleFrame(), "frmTwo");
    editor_.type("txtMaxCall", "3");
    editor_.clickTab(2);
    EXPECT_EQ(editor_.visibleFrame(), "frmThree");
    editor_.clickTab(0);
    EXPECT_EQ(editor_.visibleFrame(), "frmOne");
    EXPECT_EQ(editor_.edit("txtHP")->text(), "4321");
    EXPECT_EQ(editor_.combo("cmbType")->currentIndex(), 2);
    EXPECT_EQ(editor_.edit("txtMaxCall")->text(), "3");
    EXPECT_EQ(loadsOf(0), 1);
}

TEST_F(PickerTest, AFailedReadKeepsThePickersOnTheShownEnemy)
{
    editor_.choose("cmbEnemy(0)", 8);
    probe_->failReads = true;
    editor_.choose("cmbEnemy(2)", 30);
    EXPECT_EQ(editor_.takeMessages().size(), 1);
    for (const char *picker : {"cmbEnemy(0)", "cmbEnemy(1)", "cmbEnemy(2)"})
        EXPECT_EQ(editor_.combo(picker)->currentIndex(), 8) << picker;
    EXPECT_EQ(editor_.edit("txtName")->text(), "Enemy8");

    probe_->failReads = false;
    editor_.choose("cmbEnemy(2)", 30);
    EXPECT_EQ(editor_.edit("txtName")->text(), "Enemy30");
}

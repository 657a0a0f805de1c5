#include "EditorHarness.h"
#include "ProbedFile.h"

using namespace mobwright;
using namespace mobwright::test;

namespace {

class PickerTest : public testing::Test
{
protected:
    PickerTest()
    {
        for (int k = 0; k < 230; ++k)
            image_.setName(k, "Enemy" + std::to_string(k));
        editor_.window().setFileOpener(ProbedOpener(probe_));
        editor_.loadRom(image_);
    }

    // The enemy shown in every picker and the controls, and how often its
    // record has been read.
    void expectShown(int index, int loads = 1)
    {
        for (const char *picker : {"cmbEnemy(0)", "cmbEnemy(1)", "cmbEnemy(2)"})
            EXPECT_EQ(editor_.combo(picker)->currentIndex(), index) << picker;
        EXPECT_EQ(editor_.edit("txtName")->text(), QStringLiteral("Enemy%1").arg(index));
        EXPECT_EQ(probe_->readsAt[image_.recordOffset(index)], loads) << index;
    }

    TestImage image_;
    std::shared_ptr<FileProbe> probe_ = std::make_shared<FileProbe>();
    EditorHarness editor_;
};

} // namespace

TEST_F(PickerTest, AChoiceOnAnyPageSelectsEverywhereAndLoadsOnce)
{
    expectShown(0);
    for (const auto &[picker, index] :
         {std::pair{"cmbEnemy(2)", 17}, {"cmbEnemy(1)", 200}, {"cmbEnemy(0)", 229}}) {
        editor_.choose(picker, index);
        expectShown(index);
    }
}

TEST_F(PickerTest, NeitherTheShownEnemyNorAnotherPageReloadsOrLosesEdits)
{
    editor_.type("txtHP", "999");
    editor_.choose("cmbEnemy(1)", 0);
    for (const auto &[tab, frame] : {std::pair{1, "frmTwo"}, {2, "frmThree"}, {0, "frmOne"}}) {
        editor_.clickTab(tab);
        EXPECT_EQ(editor_.visibleFrame(), frame);
    }
    EXPECT_EQ(editor_.edit("txtHP")->text(), "999");
    expectShown(0);
}

TEST_F(PickerTest, AFailedReadIsReportedAndKeepsTheShownEnemy)
{
    editor_.choose("cmbEnemy(0)", 8);
    probe_->failReads = true;
    editor_.choose("cmbEnemy(2)", 30);
    EXPECT_EQ(editor_.takeMessages().size(), 1);
    expectShown(8);
    probe_->failReads = false;
    editor_.choose("cmbEnemy(2)", 30);
    expectShown(30, 2);
}

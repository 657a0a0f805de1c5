#include "EditorHarness.h"
#include "ProbedFile.h"
#include "TestImage.h"

#include <filesystem>

using namespace mobwright;
using namespace mobwright::test;

namespace {

class FaultTest : public testing::Test
{
protected:
    FaultTest()
    {
        image_.fillRandom(41);
        editor_.window().setFileOpener(ProbedOpener(probe_));
        editor_.loadRom(QString::fromStdString(image_.path()));
        editor_.choose("cmbEnemy(0)", Enemy);
    }

    // Applies an edit, expecting the failure to be reported and the edit kept
    // for another try.
    void expectApplyFails(const char *why, const char *report = "")
    {
        editor_.type("txtLevel", "77");
        editor_.clickApply();
        const QStringList messages = editor_.takeMessages();
        ASSERT_EQ(messages.size(), 1) << why;
        EXPECT_TRUE(messages[0].contains(report)) << messages[0].toStdString();
        EXPECT_EQ(editor_.edit("txtLevel")->text(), "77");
    }

    void expectApplyWorks()
    {
        editor_.type("txtLevel", "78");
        editor_.type("txtHP", "-2");
        editor_.clickApply();
        EXPECT_TRUE(editor_.takeMessages().isEmpty());
        const auto record = image_.recordBytes(Enemy);
        EXPECT_EQ(record[54], 78);
        EXPECT_EQ(record[33], 0xFE);
        EXPECT_EQ(record[34], 0xFF);
        EXPECT_EQ(editor_.edit("txtHP")->text(), "65534");
    }

    static constexpr int Enemy = 228;
    TestImage image_;
    std::shared_ptr<FileProbe> probe_ = std::make_shared<FileProbe>();
    EditorHarness editor_;
};

} // namespace

TEST_F(FaultTest, AnImageThatCannotBeWrittenIsReportedThenRecovers)
{
    const auto before = image_.contents();
    probe_->failWritesAfter = probe_->writeCalls;
    expectApplyFails("unwritable", "Nothing was written");
    EXPECT_TRUE(image_.contents() == before);

    probe_->failWritesAfter = -1;
    expectApplyWorks();
}

TEST_F(FaultTest, AnImageThatCannotBeReadIsReportedThenRecovers)
{
    probe_->failReads = true;
    expectApplyFails("read back after writing");
    editor_.choose("cmbEnemy(0)", 3);
    EXPECT_EQ(editor_.takeMessages().size(), 1);
    EXPECT_EQ(editor_.combo("cmbEnemy(0)")->currentIndex(), Enemy);

    probe_->failReads = false;
    expectApplyWorks();
}

TEST_F(FaultTest, AnImageTruncatedWhileOpenIsNeverLengthened)
{
    const auto fullSize = image_.size();
    const auto cut = image_.recordOffset(Enemy) + 50;
    std::filesystem::resize_file(image_.path(), cut);

    expectApplyFails("truncated");
    EXPECT_EQ(std::filesystem::file_size(image_.path()), cut);
    editor_.choose("cmbEnemy(0)", 229);
    EXPECT_EQ(editor_.takeMessages().size(), 1);
    EXPECT_EQ(std::filesystem::file_size(image_.path()), cut);

    std::filesystem::resize_file(image_.path(), fullSize);
    expectApplyWorks();
}

TEST_F(FaultTest, ASyncFailureIsNotTakenForSuccess)
{
    probe_->failSync = true;
    expectApplyFails("not synced", "may not be on the disk");
    probe_->failSync = false;
    expectApplyWorks();
}

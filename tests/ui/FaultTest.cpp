#include "EditorHarness.h"
#include "ProbedFile.h"

#include <filesystem>

using namespace mobwright;
using namespace mobwright::test;

namespace {

struct Fault
{
    const char *name;
    bool FileProbe::*failure; // none: the file is cut short in the record
    const char *reported;     // part of the one message the user gets
    bool written;             // whether the record reaches the file all the same
};

class FaultTest : public testing::TestWithParam<Fault>
{
protected:
    TestImage image_;
    std::shared_ptr<FileProbe> probe_ = std::make_shared<FileProbe>();
    EditorHarness editor_;
};

} // namespace

// Told once, the edit kept for another try, a cut file never lengthened;
// once the fault is gone the same apply works.
TEST_P(FaultTest, AFailedApplyIsReportedAndCanBeTriedAgain)
{
    constexpr int enemy = 228;
    editor_.window().setFileOpener(ProbedOpener(probe_));
    editor_.loadRom(image_);
    editor_.choose("cmbEnemy(0)", enemy);
    const Fault &fault = GetParam();
    if (fault.failure)
        (*probe_).*fault.failure = true;
    else
        std::filesystem::resize_file(image_.path(), image_.recordOffset(enemy) + 50);
    editor_.type("txtLevel", "77");
    editor_.clickApply();
    const QStringList messages = editor_.takeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(fault.reported)) << messages[0].toStdString();
    EXPECT_EQ(editor_.edit("txtLevel")->text(), "77");
    EXPECT_EQ(std::filesystem::file_size(image_.path()) == image_.size() &&
                  image_.recordBytes(enemy)[54] == 77,
              fault.written);

    *probe_ = FileProbe{};
    std::filesystem::resize_file(image_.path(), image_.size());
    editor_.type("txtLevel", "78");
    editor_.clickApply();
    EXPECT_TRUE(editor_.takeMessages().isEmpty());
    EXPECT_EQ(image_.recordBytes(enemy)[54], 78);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FaultTest,
    testing::Values(Fault{"WriteFails", &FileProbe::failWrites, "injected failure", false},
                    Fault{"SyncFails", &FileProbe::failSync, "injected failure", true},
                    Fault{"ReadBackFails", &FileProbe::failReads, "injected failure", true},
                    Fault{"FileCutShort", nullptr, "end of the file", false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(FaultTest, AReadFailureWhileLoadingIsReportedAndLoadsNothing)
{
    probe_->failReads = true;
    editor_.window().setFileOpener(ProbedOpener(probe_));
    editor_.loadRom(image_);
    EXPECT_EQ(editor_.takeMessages().size(), 1);
    EXPECT_FALSE(editor_.window().isRomLoaded());
    EXPECT_EQ(editor_.visibleFrame(), "");
}

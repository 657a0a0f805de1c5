#include "EditorHarness.h"
#include "ProbedFile.h"

#include <filesystem>

using namespace mobwright;
using namespace mobwright::test;

namespace {

// A way for the image to fail (none: the file is cut short in the record)
// and whether an apply's bytes reach the file all the same.
using Fault = std::tuple<const char *, bool FileProbe::*, bool>;

class FaultTest : public testing::TestWithParam<Fault>
{
protected:
    FaultTest()
    {
        editor_.window().setFileOpener(ProbedOpener(probe_));
        editor_.loadRom(image_.path());
        editor_.choose("cmbEnemy(0)", 228);
    }

    TestImage image_;
    std::shared_ptr<FileProbe> probe_ = std::make_shared<FileProbe>();
    EditorHarness editor_;
};

} // namespace

// Told once, the edit kept for another try, a cut file never lengthened;
// once the fault is gone the same apply works.
TEST_P(FaultTest, AFailedApplyIsToldAndCanBeTriedAgain)
{
    const auto &[name, failure, written] = GetParam();
    if (failure)
        (*probe_).*failure = true;
    else
        std::filesystem::resize_file(image_.path(), image_.recordOffset(228) + 50);
    editor_.type("txtLevel", "77");
    editor_.clickApply();
    const QStringList messages = editor_.takeMessages();
    EXPECT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.value(0).contains(failure ? "Injected failure" : "end of the file"))
        << name;
    EXPECT_EQ(editor_.edit("txtLevel")->text(), "77");
    EXPECT_EQ(std::filesystem::file_size(image_.path()) == image_.size() &&
                  image_.recordBytes(228)[54] == 77,
              written);
    EXPECT_LE(std::filesystem::file_size(image_.path()), image_.size());
    *probe_ = FileProbe{};
    std::filesystem::resize_file(image_.path(), image_.size());
    editor_.type("txtLevel", "78");
    editor_.clickApply();
    EXPECT_TRUE(editor_.takeMessages().isEmpty());
    EXPECT_EQ(image_.recordBytes(228)[54], 78);
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultTest,
                         testing::Values(Fault{"WriteFails", &FileProbe::failWrites, false},
                                         Fault{"SyncFails", &FileProbe::failSync, true},
                                         Fault{"ReadBackFails", &FileProbe::failReads, true},
                                         Fault{"FileCutShort", nullptr, false}),
                         [](const auto &info) { return std::string(std::get<0>(info.param)); });

// Choosing another enemy or loading shows nothing new when reading fails.
TEST_F(FaultTest, AFailedReadIsToldAndShowsNothingNew)
{
    probe_->failReads = true;
    editor_.choose("cmbEnemy(2)", 30);
    editor_.closeRom();
    EXPECT_EQ(editor_.combo("cmbEnemy(0)")->currentIndex() +
                  editor_.combo("cmbEnemy(2)")->currentIndex(),
              456);
    editor_.loadRom(image_.path());
    EXPECT_FALSE(editor_.window().isRomLoaded());
    EXPECT_EQ(editor_.visibleFrame(), "");
    EXPECT_EQ(editor_.takeMessages().filter("Injected failure").size(), 2);
}

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
    bool written;             // whether the record reaches the file all the same
};

class FaultTest : public testing::TestWithParam<Fault>
{
protected:
    FaultTest()
    {
        editor_.window().setFileOpener(ProbedOpener(probe_));
        editor_.loadRom(image_.path());
        editor_.choose("cmbEnemy(0)", Enemy);
    }

    // The one message the user gets, if there is exactly one.
    QString message()
    {
        const QStringList messages = editor_.takeMessages();
        EXPECT_EQ(messages.size(), 1) << messages.join("\n").toStdString();
        return messages.value(0);
    }

    static constexpr int Enemy = 228;
    TestImage image_;
    std::shared_ptr<FileProbe> probe_ = std::make_shared<FileProbe>();
    EditorHarness editor_;
};

} // namespace

// Told once, the edit kept for another try, a cut file never lengthened;
// once the fault is gone the same apply works.
TEST_P(FaultTest, AFailedApplyIsToldAndCanBeTriedAgain)
{
    if (GetParam().failure)
        (*probe_).*GetParam().failure = true;
    else
        std::filesystem::resize_file(image_.path(), image_.recordOffset(Enemy) + 50);
    editor_.type("txtLevel", "77");
    editor_.clickApply();
    EXPECT_TRUE(message().contains(GetParam().failure ? "Injected failure" : "end of the file"));
    EXPECT_EQ(editor_.edit("txtLevel")->text(), "77");
    EXPECT_EQ(std::filesystem::file_size(image_.path()) == image_.size() &&
                  image_.recordBytes(Enemy)[54] == 77,
              GetParam().written);
    EXPECT_LE(std::filesystem::file_size(image_.path()), image_.size());
    *probe_ = FileProbe{};
    std::filesystem::resize_file(image_.path(), image_.size());
    editor_.type("txtLevel", "78");
    editor_.clickApply();
    EXPECT_TRUE(editor_.takeMessages().isEmpty());
    EXPECT_EQ(image_.recordBytes(Enemy)[54], 78);
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultTest,
                         testing::Values(Fault{"WriteFails", &FileProbe::failWrites, false},
                                         Fault{"SyncFails", &FileProbe::failSync, true},
                                         Fault{"ReadBackFails", &FileProbe::failReads, true},
                                         Fault{"FileCutShort", nullptr, false}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(FaultTest, AFailedReadIsToldAndShowsNothingNew)
{
    probe_->failReads = true;
    editor_.choose("cmbEnemy(2)", 30);
    EXPECT_TRUE(message().contains("Injected failure"));
    EXPECT_EQ(editor_.combo("cmbEnemy(0)")->currentIndex() +
                  editor_.combo("cmbEnemy(2)")->currentIndex(),
              2 * Enemy);
    editor_.closeRom();
    editor_.loadRom(image_.path());
    EXPECT_TRUE(message().contains("Injected failure"));
    EXPECT_FALSE(editor_.window().isRomLoaded());
    EXPECT_EQ(editor_.visibleFrame(), "");
}

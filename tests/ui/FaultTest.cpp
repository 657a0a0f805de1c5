#include "EditorHarness.h"
#include "ProbedFile.h"

#include <filesystem>

using namespace mobwright;
using namespace mobwright::test;

// A way for the image to fail (none: the file is cut short in the record)
// and whether an apply's bytes reach the file all the same.
using Fault = std::tuple<const char *, bool FileProbe::*, bool>;
class FaultTest : public testing::TestWithParam<Fault>
{
};

// Told once, the edit kept for another try, a cut file never lengthened;
// once the fault is gone the same apply works.
TEST_P(FaultTest, AFailedApplyIsToldAndCanBeTriedAgain)
{
    const auto &[name, failure, written] = GetParam();
    TestImage image;
    auto probe = std::make_shared<FileProbe>();
    EditorHarness editor;
    editor.window().setFileOpener(ProbedOpener(probe));
    editor.loadRom(image.path());
    editor.choose("cmbEnemy(0)", 228);
    if (failure)
        (*probe).*failure = true;
    else
        std::filesystem::resize_file(image.path(), image.recordOffset(228) + 50);
    editor.type("txtLevel", "77");
    editor.clickApply();
    const QStringList messages = editor.takeMessages();
    EXPECT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.value(0).contains(failure ? "Injected failure" : "end of the file"))
        << name;
    EXPECT_EQ(editor.edit("txtLevel")->text(), "77");
    EXPECT_EQ(std::filesystem::file_size(image.path()) == image.size() &&
                  image.recordBytes(228)[54] == 77,
              written);
    EXPECT_LE(std::filesystem::file_size(image.path()), image.size());
    *probe = FileProbe{};
    std::filesystem::resize_file(image.path(), image.size());
    editor.type("txtLevel", "78");
    editor.clickApply();
    EXPECT_TRUE(editor.takeMessages().isEmpty());
    EXPECT_EQ(image.recordBytes(228)[54], 78);
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultTest,
                         testing::Values(Fault{"WriteFails", &FileProbe::failWrites, false},
                                         Fault{"SyncFails", &FileProbe::failSync, true},
                                         Fault{"ReadBackFails", &FileProbe::failReads, true},
                                         Fault{"FileCutShort", nullptr, false}),
                         [](const auto &info) { return std::string(std::get<0>(info.param)); });

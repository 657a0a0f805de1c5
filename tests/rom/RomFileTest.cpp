#include "RomError.h"
#include "RomFile.h"
#include "TestImage.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace mobwright;
using mobwright::test::TestImage;

// Why opening path is refused, or "" if it opens.
static std::string OpenRefusal(const std::string &path)
{
    try {
        RomFile::Open(path);
    } catch (const RomError &error) {
        return error.what();
    }
    return {};
}

TEST(RomFile, RefusesWhatCannotHoldTheTableOrIsInUseSayingWhy)
{
    TestImage tooShort(1402 * 1024), tooShortWithHeader(1402 * 1024 + 512), locked;
    const auto folder = std::filesystem::path(locked.path()).parent_path();
    const RomFile holder = RomFile::Open(locked.path());
    const std::pair<std::string, const char *> refused[]{{tooShort.path(), "too short"},
                                                         {tooShortWithHeader.path(), "too short"},
                                                         {folder / "missing.smc", "does not exist"},
                                                         {folder, "folder"},
                                                         {locked.path(), "already open"}};
    for (const auto &[path, reason] : refused)
        EXPECT_NE(OpenRefusal(path).find(reason), std::string::npos) << OpenRefusal(path);
}

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
    const std::string folder = std::filesystem::path(locked.path()).parent_path();
    const RomFile holder = RomFile::Open(locked.path());
    std::string reasons; // each refusal says why
    for (const std::string &path : {tooShort.path(), tooShortWithHeader.path(),
                                    folder + "/missing.smc", folder, locked.path()}) {
        for (const std::string reason : {"too short", "does not exist", "folder", "already open"})
            reasons += OpenRefusal(path).find(reason) != std::string::npos ? reason + "|" : "";
    }
    EXPECT_EQ(reasons, "too short|too short|does not exist|folder|already open|");
}

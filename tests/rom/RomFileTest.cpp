#include "RomError.h"
#include "RomFile.h"
#include "TestImage.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace mobwright;
using mobwright::test::TestImage;

static std::string OpenRefusal(const std::string &path)
{
    try {
        RomFile::open(path);
    } catch (const RomError &error) {
        return error.what();
    }
    return {};
}

TEST(RomFile, RefusesWhatIsNoImageFileOrIsInUseSayingWhy)
{
    TestImage locked; // sizes are the image safety tests'
    const std::string folder = std::filesystem::path(locked.path()).parent_path();
    const RomFile holder = RomFile::open(locked.path());
    std::string reasons; // each refusal says why
    for (const std::string &path : {folder + "/missing.smc", folder, locked.path()}) {
        for (const std::string reason : {"does not exist", "folder", "already open"})
            reasons += OpenRefusal(path).find(reason) != std::string::npos ? reason + "|" : "";
    }
    EXPECT_EQ(reasons, "does not exist|folder|already open|");
}

#include "RomError.h"
#include "RomFile.h"
#include "TestImage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using namespace mobwright;
using mobwright::test::TestImage;

// Why opening path is refused, or "" if it opens; as root, asUser tries as an
// ordinary user, so that file permissions apply.
static std::string OpenRefusal(const std::string &path, bool asUser = false)
{
    const bool root = asUser && ::geteuid() == 0 && ::setegid(65534) == 0 && ::seteuid(65534) == 0;
    std::string refusal;
    try {
        RomFile::Open(path);
    } catch (const RomError &error) {
        refusal = error.what();
    }
    EXPECT_TRUE(!root || (::seteuid(0) == 0 && ::setegid(0) == 0));
    return refusal;
}

TEST(RomFile, RefusesWhatCannotHoldTheTableOrBeWrittenSayingWhy)
{
    TestImage tooShort(1402 * 1024), tooShortWithHeader(1402 * 1024 + 512), readOnly, locked;
    const auto folder = std::filesystem::path(readOnly.path()).parent_path();
    ::chmod(folder.c_str(), 0755);
    ::chmod(readOnly.path().c_str(), 0444);
    const RomFile holder = RomFile::Open(locked.path());
    EXPECT_NE(OpenRefusal(readOnly.path(), true).find("reading and writing"), std::string::npos);
    const std::pair<std::string, const char *> refused[]{{tooShort.path(), "too short"},
                                                         {tooShortWithHeader.path(), "too short"},
                                                         {folder / "missing.smc", "does not exist"},
                                                         {folder, "folder"},
                                                         {locked.path(), "already open"}};
    for (const auto &[path, reason] : refused)
        EXPECT_NE(OpenRefusal(path).find(reason), std::string::npos) << OpenRefusal(path);
}

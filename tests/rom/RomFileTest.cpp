#include "RomError.h"
#include "RomFile.h"
#include "TestImage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using namespace mobwright;
using mobwright::test::TestImage;

// The message of the refusal to open path, or "" if it opens. As root, it
// tries as an ordinary user, so that file permissions apply.
static std::string OpenRefusal(const std::string &path, bool asUser = false)
{
    const bool root = asUser && ::geteuid() == 0 && ::setegid(65534) == 0 && ::seteuid(65534) == 0;
    std::string refusal;
    try {
        RomFile::Open(path);
    } catch (const RomError &error) {
        refusal = error.what();
    }
    if (root && (::seteuid(0) != 0 || ::setegid(0) != 0))
        ADD_FAILURE() << "cannot become root again";
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
    for (const auto &[path, reason] : {std::pair{tooShort.path(), "too short"},
                                       {tooShortWithHeader.path(), "too short"},
                                       {(folder / "missing.smc").string(), "does not exist"},
                                       {folder.string(), "folder"},
                                       {locked.path(), "already open"}})
        EXPECT_NE(OpenRefusal(path).find(reason), std::string::npos) << OpenRefusal(path);
}

TEST(RomFile, FindsTheTableByTheImagesSizeAndFollowsTheFileWhenCheckedAgain)
{
    TestImage image, headerless(test::HEADERLESS_IMAGE_SIZE);
    EXPECT_EQ(RomFile::Open(headerless.path()).tableOffset(), 0x1595E7u);
    RomFile rom = RomFile::Open(image.path());
    EXPECT_TRUE(rom.hasCopierHeader());
    EXPECT_EQ(rom.tableOffset(), 0x1597E7u);
    EXPECT_TRUE(rom.holds(std::filesystem::path(image.path()).parent_path().string() + "/./" +
                          std::filesystem::path(image.path()).filename().string()));
    EXPECT_FALSE(rom.holds(headerless.path()));
    std::filesystem::resize_file(image.path(), test::HEADERLESS_IMAGE_SIZE); // the header is gone
    rom.Recheck();
    EXPECT_EQ(rom.tableOffset(), 0x1595E7u);
    std::filesystem::resize_file(image.path(), 1024);
    EXPECT_THROW(rom.Recheck(), RomError);
    rom.Close();
    EXPECT_FALSE(rom.holds(image.path()));
    EXPECT_THROW(rom.ReadRomByte(0), RomError);
    EXPECT_EQ(OpenRefusal(image.path()).find("already open"), std::string::npos);
}

TEST(RomFile, WritesInPlaceAndNeverPastTheEnd)
{
    TestImage image;
    RomFile rom = RomFile::Open(image.path());
    const auto last = static_cast<std::uint32_t>(image.size() - 1);
    rom.WriteRomByte(last, 0x5A);
    EXPECT_EQ(rom.ReadRomByte(last), 0x5A);
    EXPECT_THROW(rom.ReadRomByte(last + 1), RomError);
    EXPECT_THROW(rom.WriteRomBytes(last, std::array<std::uint8_t, 2>{1, 2}), RomError);
    rom.Close();
    auto expected = std::vector<std::uint8_t>(image.size());
    expected[last] = 0x5A;
    EXPECT_TRUE(image.contents() == expected);
}

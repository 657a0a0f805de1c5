#include "RomError.h"
#include "RomFile.h"
#include "TestImage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using namespace mobwright;
using mobwright::test::TestImage;

namespace {

// The message of the RomError that opening path throws, or "" if it opens.
std::string OpenRefusal(const std::string &path)
{
    try {
        RomFile::Open(path);
    } catch (const RomError &error) {
        return error.what();
    }
    return {};
}

// Opens as an ordinary user, so that file permissions apply even to root.
std::string OpenRefusalAsUser(const std::string &path)
{
    const bool root = ::geteuid() == 0 && ::setegid(65534) == 0 && ::seteuid(65534) == 0;
    std::string refusal = OpenRefusal(path);
    if (root && (::seteuid(0) != 0 || ::setegid(0) != 0))
        ADD_FAILURE() << "cannot become root again";
    return refusal;
}

} // namespace

TEST(RomFileOpen, FindsTheTableAfterACopierHeaderOrWithoutOne)
{
    for (const auto &[size, header, offset] : {std::tuple{test::MIN_IMAGE_SIZE, true, 0x1597E7u},
                                               {test::HEADERLESS_IMAGE_SIZE, false, 0x1595E7u}}) {
        TestImage image(size);
        RomFile rom = RomFile::Open(image.path());
        EXPECT_EQ(rom.hasCopierHeader(), header) << size;
        EXPECT_EQ(rom.tableOffset(), offset) << size;
    }
}

TEST(RomFileOpen, RefusesWhatCannotBeEditedSayingWhy)
{
    TestImage tooShort(1402 * 1024), tooShortWithHeader(1402 * 1024 + 512), readOnly, locked;
    const auto folder = std::filesystem::path(readOnly.path()).parent_path();
    ::chmod(folder.c_str(), 0755);
    ::chmod(readOnly.path().c_str(), 0444);
    const RomFile holder = RomFile::Open(locked.path());
    for (const auto &[path, reason] : {std::pair{tooShort.path(), "too short"},
                                       {tooShortWithHeader.path(), "too short"},
                                       {(folder / "missing.smc").string(), "does not exist"},
                                       {folder.string(), "folder"},
                                       {readOnly.path(), "reading and writing"},
                                       {locked.path(), "already open"}}) {
        const std::string refusal =
            path == readOnly.path() ? OpenRefusalAsUser(path) : OpenRefusal(path);
        EXPECT_NE(refusal.find(reason), std::string::npos) << path << ": " << refusal;
    }
}

TEST(RomFileOpen, ClosingReleasesTheLockAndRecheckFollowsTheFile)
{
    TestImage image, other;
    RomFile rom = RomFile::Open(image.path());
    EXPECT_TRUE(rom.holds(std::filesystem::path(image.path()).parent_path().string() + "/./" +
                          std::filesystem::path(image.path()).filename().string()));
    EXPECT_FALSE(rom.holds(other.path()));
    // Cut to a whole number of KiB: now without a header, the table moves.
    std::filesystem::resize_file(image.path(), test::HEADERLESS_IMAGE_SIZE);
    rom.Recheck();
    EXPECT_EQ(rom.tableOffset(), 0x1595E7u);
    std::filesystem::resize_file(image.path(), 1024);
    EXPECT_THROW(rom.Recheck(), RomError);

    rom.Close();
    EXPECT_FALSE(rom.holds(image.path()));
    EXPECT_THROW(rom.ReadRomByte(0), RomError);
    EXPECT_EQ(OpenRefusal(image.path()).find("already open"), std::string::npos);
}

TEST(RomFileAccess, WritesInPlaceAndNeverPastTheEnd)
{
    TestImage image;
    RomFile rom = RomFile::Open(image.path());
    const auto last = static_cast<std::uint32_t>(image.size() - 1);
    rom.WriteRomByte(last, 0x5A);
    EXPECT_EQ(rom.ReadRomByte(last), 0x5A);
    EXPECT_THROW(rom.ReadRomByte(last + 1), RomError);
    EXPECT_THROW(rom.WriteRomByte(last + 1, 1), RomError);
    EXPECT_THROW(rom.WriteRomBytes(last, std::array<std::uint8_t, 2>{1, 2}), RomError);
    rom.Sync();
    rom.Close();
    const auto bytes = image.contents();
    EXPECT_EQ(bytes.size(), image.size());
    EXPECT_EQ(bytes[last], 0x5A);
    EXPECT_EQ(bytes[last - 1], 0x00);
}

#include "RomError.h"
#include "RomFile.h"
#include "TableGeometry.h"
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

// Runs as an ordinary user while alive, so that file permissions apply even
// when the tests run as root.
class UnprivilegedScope
{
public:
    UnprivilegedScope()
    {
        if (::geteuid() == 0)
            active_ = ::setegid(65534) == 0 && ::seteuid(65534) == 0;
    }
    ~UnprivilegedScope()
    {
        if (active_) {
            [[maybe_unused]] int restored = ::seteuid(0) + ::setegid(0);
        }
    }

private:
    bool active_ = false;
};

} // namespace

TEST(RomFileOpen, FindsTheTableAfterACopierHeaderOrWithoutOne)
{
    TestImage headered(test::MIN_IMAGE_SIZE);
    RomFile rom = RomFile::Open(headered.path());
    EXPECT_TRUE(rom.hasCopierHeader());
    EXPECT_EQ(rom.tableOffset(), 0x1597E7u);

    TestImage headerless(test::HEADERLESS_IMAGE_SIZE);
    RomFile bare = RomFile::Open(headerless.path());
    EXPECT_FALSE(bare.hasCopierHeader());
    EXPECT_EQ(bare.tableOffset(), 0x1595E7u);
}

TEST(RomFileOpen, RefusesImagesTooShortForTheTable)
{
    TestImage oneShort(test::MIN_IMAGE_SIZE - 1024);
    const std::string refusal = OpenRefusal(oneShort.path());
    EXPECT_NE(refusal.find(oneShort.path()), std::string::npos) << refusal;
    EXPECT_NE(refusal.find("too short"), std::string::npos) << refusal;

    // Without a header the table ends 512 bytes earlier.
    TestImage smallestBare(1403 * 1024);
    EXPECT_EQ(OpenRefusal(smallestBare.path()), "");
    TestImage tooSmallBare(1402 * 1024);
    EXPECT_NE(OpenRefusal(tooSmallBare.path()).find("too short"), std::string::npos);
}

TEST(RomFileOpen, RefusesWhatIsNotAWritableImageFile)
{
    const auto dir = std::filesystem::path(testing::TempDir()) / "mobwright-tests";
    std::filesystem::create_directories(dir);

    const std::string missing = (dir / "no-such-image.smc").string();
    EXPECT_NE(OpenRefusal(missing).find("does not exist"), std::string::npos);
    EXPECT_NE(OpenRefusal(missing).find(missing), std::string::npos);

    EXPECT_NE(OpenRefusal(dir.string()).find("folder"), std::string::npos);

    TestImage readOnly;
    ::chmod(dir.c_str(), 0755);
    ::chmod(readOnly.path().c_str(), 0444);
    const std::string refusal = [&] {
        UnprivilegedScope asUser;
        return OpenRefusal(readOnly.path());
    }();
    EXPECT_NE(refusal.find("reading and writing"), std::string::npos) << refusal;
}

TEST(RomFileOpen, SecondOpenOfALockedImageIsRefusedUntilTheFirstCloses)
{
    TestImage image;
    RomFile first = RomFile::Open(image.path());
    EXPECT_NE(OpenRefusal(image.path()).find("already open"), std::string::npos);

    first.Close();
    EXPECT_FALSE(first.isOpen());
    EXPECT_EQ(OpenRefusal(image.path()), "");
}

TEST(RomFileAccess, ReadsAndWritesSingleBytesInPlace)
{
    TestImage image;
    image.setBytes(1000, std::vector<std::uint8_t>{0xAB});
    RomFile rom = RomFile::Open(image.path());
    EXPECT_EQ(rom.ReadRomByte(1000), 0xAB);

    rom.WriteRomByte(0x1599BE, 0x5A);
    EXPECT_EQ(rom.ReadRomByte(0x1599BE), 0x5A);
    rom.Sync();
    rom.Close();

    const auto bytes = image.contents();
    EXPECT_EQ(bytes.size(), test::MIN_IMAGE_SIZE);
    EXPECT_EQ(bytes[0x1599BE], 0x5A);
    EXPECT_EQ(bytes[0x1599BD], 0x00);
    EXPECT_EQ(bytes[0x1599BF], 0x00);
}

TEST(RomFileAccess, RefusesAccessBeyondTheEndWithoutLengtheningTheFile)
{
    TestImage image;
    RomFile rom = RomFile::Open(image.path());
    const auto last = static_cast<std::uint32_t>(test::MIN_IMAGE_SIZE - 1);
    EXPECT_NO_THROW(rom.ReadRomByte(last));
    EXPECT_THROW(rom.ReadRomByte(last + 1), RomError);
    EXPECT_THROW(rom.WriteRomByte(last + 1, 1), RomError);
    const std::array<std::uint8_t, 2> straddling{1, 2};
    EXPECT_THROW(rom.WriteRomBytes(last, straddling), RomError);
    rom.Close();
    EXPECT_EQ(std::filesystem::file_size(image.path()), test::MIN_IMAGE_SIZE);
}

TEST(RomFileAccess, OpeningAndClosingWritesNothing)
{
    TestImage image;
    image.fillRandom(7);
    const auto before = image.contents();
    RomFile rom = RomFile::Open(image.path());
    for (std::uint32_t offset = ENEMY_TABLE_OFFSET; offset < ENEMY_TABLE_OFFSET + 300; ++offset)
        rom.ReadRomByte(offset);
    rom.Close();
    EXPECT_EQ(image.contents(), before);
}

TEST(RomFileAccess, ClosedFileRefusesAccess)
{
    RomFile rom;
    EXPECT_FALSE(rom.isOpen());
    EXPECT_THROW(rom.ReadRomByte(0), RomError);
    EXPECT_THROW(rom.WriteRomByte(0, 0), RomError);
}

TEST(RomFileOpen, KnowsTheFileItHoldsAndChecksItAgain)
{
    TestImage image;
    TestImage other;
    RomFile rom = RomFile::Open(image.path());
    EXPECT_TRUE(rom.holds(image.path()));
    EXPECT_TRUE(rom.holds(std::filesystem::path(image.path()).parent_path().string() + "/./" +
                          std::filesystem::path(image.path()).filename().string()));
    EXPECT_FALSE(rom.holds(other.path()));
    EXPECT_FALSE(rom.holds("/no/such/file"));

    // Cut to a multiple of 1024 bytes: now without a header, the table moves.
    std::filesystem::resize_file(image.path(), test::HEADERLESS_IMAGE_SIZE);
    EXPECT_EQ(rom.Reopened(image.path()).tableOffset(), 0x1595E7u);
    std::filesystem::resize_file(image.path(), 1024);
    EXPECT_THROW(rom.Reopened(image.path()), RomError);
    EXPECT_EQ(rom.tableOffset(), 0x1597E7u);

    rom.Close();
    EXPECT_FALSE(rom.holds(image.path()));
}

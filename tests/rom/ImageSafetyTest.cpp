#include "RomError.h"
#include "RomFile.h"
#include "TestImage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

using namespace mobwright;
using mobwright::test::TestImage;
namespace fs = std::filesystem;

namespace {

std::string OpenRefusal(std::uint64_t size)
{
    TestImage image(size);
    try {
        RomFile::open(image.path());
    } catch (const RomError &error) {
        return error.what();
    }
    return "";
}

} // namespace

TEST(ImageSize, OnlyWholeKiBWithOrWithoutACopierHeaderIsOpened)
{
    constexpr std::uint64_t kib = 1403 * 1024;
    const struct
    {
        std::uint64_t size;
        const char *refusal; // empty when the image opens
    } cases[] = {
        {kib, ""},
        {kib + 512, ""},
        {3 * 1024 * 1024, ""},
        {kib + 1, "1436673 bytes, is neither a whole number of KiB"},
        {kib - 1, "is neither"},
        {kib + 511, "is neither"},
        {kib + 513, "is neither"},
        {3 * 1024 * 1024 + 1, "is neither"},
        {kib - 1024, "without a copier header needs at least 1436251"},
        {kib - 512, "with a copier header needs at least 1436763"},
    };
    for (const auto &c : cases) {
        const std::string refusal = OpenRefusal(c.size);
        if (*c.refusal == '\0')
            EXPECT_EQ(refusal, "") << c.size;
        else
            EXPECT_NE(refusal.find(c.refusal), std::string::npos) << c.size << ": " << refusal;
    }
}

TEST(ImageIdentity, NoWriteOnceThePathLeadsElsewhereOrTheSizeChanged)
{
    using enum RomFile::Change;
    const struct
    {
        const char *what;
        std::function<void(const TestImage &)> change;
        RomFile::Change seen;
        const char *told; // by a read of the whole file, as a patch is made from it
    } cases[] = {
        {"replaced by rename",
         [](const TestImage &image) {
             TestImage other(image.size());
             fs::rename(other.path(), image.path());
         },
         Replaced, "another file took its name since it was opened"},
        {"deleted", [](const TestImage &image) { fs::remove(image.path()); }, Replaced,
         "it was deleted since it was opened"},
        {"moved", [](const TestImage &image) { fs::rename(image.path(), image.path() + ".moved"); },
         Replaced, "it was moved since it was opened"},
        {"header stripped",
         [](const TestImage &image) { fs::resize_file(image.path(), image.size() - 512); }, Resized,
         "its size changed from 1437184 to 1436672 bytes since it was opened"},
    };
    for (const auto &c : cases) {
        TestImage image;
        RomFile rom = RomFile::open(image.path());
        EXPECT_EQ(rom.changeSinceOpened(), None);
        c.change(image);
        EXPECT_EQ(rom.changeSinceOpened(), c.seen) << c.what;
        try {
            rom.readAll();
            ADD_FAILURE() << c.what << " was read";
        } catch (const RomError &error) {
            EXPECT_EQ(error.what(), "Cannot read \"" + image.path() + "\": " + c.told + ".");
        }
        fs::remove(image.path() + ".moved");
    }
}

TEST(ImageIdentity, AnotherNameOfTheOpenFileIsTheSameImageAndAReplacementIsNot)
{
    TestImage image;
    RomFile rom = RomFile::open(image.path());
    const std::string renamed = image.path() + ".renamed";
    fs::rename(image.path(), renamed);
    ASSERT_TRUE(rom.holds(renamed));
    RomFile again = rom.reopened(renamed);
    EXPECT_EQ(again.changeSinceOpened(), RomFile::Change::None);
    EXPECT_EQ(again.path(), renamed);

    // A new file under the old name is another image, with a lock of its own.
    TestImage replacement;
    fs::rename(replacement.path(), image.path());
    EXPECT_FALSE(again.holds(image.path()));
    EXPECT_NO_THROW(RomFile::open(image.path()));
    fs::remove(renamed);
}

#include "RecordCursor.h"
#include "RomError.h"
#include "RomFile.h"
#include "TableGeometry.h"
#include "TestImage.h"

#include <gtest/gtest.h>

using namespace mobwright;
using mobwright::test::TestImage;

namespace {

// An image whose every table byte tells its own record and offset apart.
class RecordCursorTest : public testing::Test
{
protected:
    RecordCursorTest()
    {
        image_.fillRandom(42);
        rom_ = RomFile::Open(image_.path());
        bytes_ = image_.contents();
    }

    std::uint8_t byteAt(std::uint32_t offset) const { return bytes_[offset]; }

    TestImage image_;
    RomFile rom_;
    std::vector<std::uint8_t> bytes_;
    int selected_ = 0;
    RecordCursor cursor_{rom_, [this] { return selected_; }};
};

} // namespace

TEST_F(RecordCursorTest, ReadsTheFirstByteOfRecordZeroAndTheLastOfRecord229)
{
    cursor_.setPosition(0);
    EXPECT_EQ(cursor_.ReadRecordByte(), byteAt(0x1597E7));
    EXPECT_EQ(cursor_.position(), 1);

    selected_ = 229;
    cursor_.setPosition(93);
    EXPECT_EQ(cursor_.ReadRecordByte(), byteAt(0x15EC5A));
    EXPECT_EQ(cursor_.position(), 94);
}

TEST_F(RecordCursorTest, ConsecutiveTransfersCoverConsecutiveOffsets)
{
    selected_ = 3;
    cursor_.setPosition(27);
    const std::uint32_t record = 0x1597E7 + 94 * 3;
    EXPECT_EQ(cursor_.ReadRecordByte(), byteAt(record + 27));
    EXPECT_EQ(cursor_.ReadRecordByte(), byteAt(record + 28));
    EXPECT_EQ(cursor_.position(), 29);
}

TEST_F(RecordCursorTest, EachTransferAsksWhichRecordIsSelected)
{
    selected_ = 10;
    cursor_.setPosition(5);
    cursor_.ReadRecordByte();
    selected_ = 11;
    EXPECT_EQ(cursor_.ReadRecordByte(), byteAt(0x1597E7 + 94 * 11 + 6));
}

TEST_F(RecordCursorTest, AWriteIsReadBackAtItsAbsoluteOffset)
{
    selected_ = 5;
    cursor_.setPosition(1);
    cursor_.WriteRecordByte(0x77);
    EXPECT_EQ(rom_.ReadRomByte(0x1599BE), 0x77); // record 5's name starts here
    EXPECT_EQ(cursor_.fileOffset(1), 0x1599BEu);
}

TEST_F(RecordCursorTest, AFailedTransferLeavesTheCursorWhereItWas)
{
    selected_ = -1; // nothing selected
    cursor_.setPosition(12);
    EXPECT_THROW(cursor_.ReadRecordByte(), RomError);
    EXPECT_THROW(cursor_.WriteRecordByte(1), RomError);
    EXPECT_EQ(cursor_.position(), 12);

    selected_ = 0;
    cursor_.setPosition(94); // past the record
    EXPECT_THROW(cursor_.ReadRecordByte(), RomError);
    EXPECT_EQ(cursor_.position(), 94);

    rom_.Close();
    cursor_.setPosition(0);
    EXPECT_THROW(cursor_.ReadRecordByte(), RomError);
    EXPECT_EQ(cursor_.position(), 0);
}

TEST(RecordCursorHeaderless, AddressesTheTable512BytesEarlier)
{
    TestImage image(test::HEADERLESS_IMAGE_SIZE);
    image.fillRandom(3);
    const auto bytes = image.contents();
    RomFile rom = RomFile::Open(image.path());
    RecordCursor cursor(rom, [] { return 229; });
    cursor.setPosition(93);
    EXPECT_EQ(cursor.ReadRecordByte(), bytes[0x15EC5A - 512]);
}

TEST_F(RecordCursorTest, ARunOfBytesMovesAsFarAsSingleTransfersWould)
{
    selected_ = 7;
    const std::uint32_t record = 0x1597E7 + 94 * 7;
    cursor_.setPosition(33);
    std::array<std::uint8_t, 4> read{};
    cursor_.ReadRecordBytes(read);
    EXPECT_EQ(cursor_.position(), 37);
    for (std::size_t i = 0; i < read.size(); ++i)
        EXPECT_EQ(read[i], byteAt(record + 33 + i));

    const std::array<std::uint8_t, 3> written{0xA1, 0xB2, 0xC3};
    cursor_.WriteRecordBytes(written);
    EXPECT_EQ(cursor_.position(), 40);
    EXPECT_EQ(rom_.ReadRomByte(record + 37), 0xA1);
    EXPECT_EQ(rom_.ReadRomByte(record + 39), 0xC3);
    EXPECT_EQ(rom_.ReadRomByte(record + 40), byteAt(record + 40));
}

TEST_F(RecordCursorTest, ARunReachingPastTheRecordIsRefusedWhole)
{
    selected_ = 229;
    cursor_.setPosition(92);
    const std::array<std::uint8_t, 3> written{1, 2, 3};
    EXPECT_THROW(cursor_.WriteRecordBytes(written), RomError);
    EXPECT_EQ(cursor_.position(), 92);
    EXPECT_EQ(rom_.ReadRomByte(0x15EC59), byteAt(0x15EC59));
    std::array<std::uint8_t, 2> lastTwo{};
    cursor_.ReadRecordBytes(lastTwo);
    EXPECT_EQ(lastTwo[1], byteAt(0x15EC5A));
}

#include "RecordCursor.h"
#include "RomError.h"
#include "RomFile.h"
#include "TestImage.h"

#include <gtest/gtest.h>

using namespace mobwright;

namespace {

// An image of random bytes, so that every table byte tells its place apart.
class RecordCursorTest : public testing::Test
{
protected:
    RecordCursorTest()
    {
        image_.fillRandom(42);
        bytes_ = image_.contents();
        rom_ = RomFile::Open(image_.path());
    }

    std::uint8_t stored(int record, int offset) const
    {
        return bytes_[image_.recordOffset(record) + offset];
    }

    test::TestImage image_;
    std::vector<std::uint8_t> bytes_;
    RomFile rom_;
    int selected_ = 0;
    RecordCursor cursor_{rom_, [this] { return selected_; }};
};

} // namespace

TEST_F(RecordCursorTest, EachTransferAddressesTheSelectedRecordAndAdvances)
{
    EXPECT_EQ(cursor_.fileOffset(0), 0x1597E7u); // record 0 after the copier header
    EXPECT_EQ(cursor_.ReadRecordByte(), stored(0, 0));
    selected_ = 229;
    cursor_.setPosition(93);
    EXPECT_EQ(cursor_.fileOffset(93), 0x15EC5Au); // the table's last byte
    EXPECT_EQ(cursor_.ReadRecordByte(), stored(229, 93));
    EXPECT_EQ(cursor_.position(), 94);

    selected_ = 10;
    cursor_.setPosition(27);
    EXPECT_EQ(cursor_.ReadRecordByte(), stored(10, 27));
    selected_ = 11; // asked afresh at every transfer
    EXPECT_EQ(cursor_.ReadRecordByte(), stored(11, 28));
    EXPECT_EQ(cursor_.position(), 29);

    selected_ = 5;
    cursor_.setPosition(1);
    cursor_.WriteRecordByte(0x77);
    EXPECT_EQ(rom_.ReadRomByte(0x1599BE), 0x77); // record 5's name starts here
}

TEST_F(RecordCursorTest, ARunMovesAsFarAsSingleTransfersAndMustFitTheRecord)
{
    selected_ = 7;
    cursor_.setPosition(33);
    std::array<std::uint8_t, 4> read{};
    cursor_.ReadRecordBytes(read);
    EXPECT_EQ(read, (std::array{stored(7, 33), stored(7, 34), stored(7, 35), stored(7, 36)}));
    cursor_.WriteRecordBytes(std::array<std::uint8_t, 3>{0xA1, 0xB2, 0xC3});
    EXPECT_EQ(cursor_.position(), 40);
    EXPECT_EQ(rom_.ReadRomByte(cursor_.fileOffset(39)), 0xC3);
    EXPECT_EQ(rom_.ReadRomByte(cursor_.fileOffset(40)), stored(7, 40));

    cursor_.setPosition(92);
    EXPECT_THROW(cursor_.WriteRecordBytes(std::array<std::uint8_t, 3>{1, 2, 3}), RomError);
    EXPECT_EQ(rom_.ReadRomByte(cursor_.fileOffset(92)), stored(7, 92));
    EXPECT_EQ(cursor_.position(), 92);
}

TEST_F(RecordCursorTest, AFailedTransferLeavesTheCursorWhereItWas)
{
    for (const auto &[record, position, open] :
         {std::tuple{-1, 12, true}, {0, 94, true}, {0, 0, false}}) {
        selected_ = record;
        cursor_.setPosition(static_cast<std::int16_t>(position));
        if (!open)
            rom_.Close();
        EXPECT_THROW(cursor_.ReadRecordByte(), RomError) << record << " " << position;
        EXPECT_THROW(cursor_.WriteRecordByte(1), RomError) << record << " " << position;
        EXPECT_EQ(cursor_.position(), position);
    }
}

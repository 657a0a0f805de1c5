#include "EnemyRecord.h"
#include "RecordCursor.h"
#include "RomFile.h"
#include "TestImage.h"

#include <gtest/gtest.h>

using namespace mobwright;

TEST(EnemyRecord, ValuesAreLittleEndianOverTheFieldsWidth)
{
    EnemyRecord record;
    record.setValue(Field::InsidePic, 0x12345);
    EXPECT_EQ(record.bytes(28, 2)[0], 0x45);
    EXPECT_EQ(record.bytes(28, 2)[1], 0x23);
    EXPECT_EQ(record.value(Field::InsidePic), 0x2345u);
    record.setValue(Field::Exp, 0x80000001);
    EXPECT_EQ(record.value(Field::Exp), 0x80000001u);
}

// Every field byte is read from and written to its place in the selected
// record, in an image with or without a copier header.
TEST(EnemyRecord, PassesMoveEachFieldAtItsOffsetAndNothingElse)
{
    for (const std::uint64_t size : {test::MIN_IMAGE_SIZE, test::HEADERLESS_IMAGE_SIZE}) {
        test::TestImage image(size);
        image.fillRandom(99);
        auto expected = image.contents();
        RomFile rom = RomFile::Open(image.path());
        RecordCursor cursor(rom, [] { return 17; });
        EnemyRecord record = ReadEnemyRecord(cursor);
        const std::uint32_t start = image.recordOffset(17);
        for (const FieldLayout &layout : EnemyLayout) {
            const auto bytes = record.bytes(layout.field);
            for (int i = 0; i < layout.width; ++i) {
                ASSERT_EQ(bytes[i], expected[start + layout.offset + i])
                    << layout.control << " " << i;
                bytes[i] = expected[start + layout.offset + i] =
                    static_cast<std::uint8_t>(layout.offset + i);
            }
        }
        WriteEnemyRecord(cursor, record);
        rom.Close();
        EXPECT_TRUE(image.contents() == expected) << size;
    }
}

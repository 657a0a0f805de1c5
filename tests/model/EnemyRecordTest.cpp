#include "EnemyRecord.h"
#include "RecordCursor.h"
#include "RomFile.h"
#include "TestImage.h"

#include <gtest/gtest.h>

using namespace mobwright;

// Each field is read from and written to its place in the selected record,
// little-endian, with or without a copier header; nothing else changes.
TEST(EnemyRecord, PassesMoveEachFieldAtItsOffsetAndNothingElse)
{
    for (const std::uint64_t size : {test::MIN_IMAGE_SIZE, test::HEADERLESS_IMAGE_SIZE}) {
        test::TestImage image(size);
        image.fillRandom(99);
        auto expected = image.contents();
        RomFile rom = RomFile::Open(image.path());
        RecordCursor cursor(rom, [] { return 229; });
        EnemyRecord record = ReadEnemyRecord(cursor);
        const std::uint32_t start = image.recordOffset(229);
        EXPECT_EQ(record.value(Field::HP), expected[start + 33] + 256u * expected[start + 34]);
        for (const FieldLayout &layout : EnemyLayout) {
            for (int i = 0; i < layout.width; ++i) {
                std::uint8_t &stored = expected[start + layout.offset + i];
                ASSERT_EQ(record.bytes(layout.field)[i], stored) << layout.control << " " << i;
                record.bytes(layout.field)[i] = stored =
                    static_cast<std::uint8_t>(layout.offset + i);
            }
        }
        WriteEnemyRecord(cursor, record);
        rom.Close();
        EXPECT_TRUE(image.contents() == expected) << size;
    }
}

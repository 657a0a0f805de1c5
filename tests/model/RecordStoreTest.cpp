#include "ProbedFile.h"
#include "RecordStore.h"
#include "RomError.h"
#include "RomFile.h"
#include "TestImage.h"

#include <gtest/gtest.h>

using namespace mobwright;
using namespace mobwright::test;

TEST(ReplaceRecords, WritesEachRecordOnceAndNothingIfAnyRecordChangedBehindIt)
{
    TestImage image;
    image.fillRandom(5);
    auto probe = std::make_shared<FileProbe>();
    RomFile rom = RomFile::Open(image.path(), ProbedOpener(probe));
    std::vector<RecordWrite> writes;
    for (const int index : {3, 229}) {
        RecordWrite write{index, ReadRecordAt(rom, index), ReadRecordAt(rom, index)};
        write.after.setValue(Field::HP, 40000);
        writes.push_back(write);
    }

    image.setRecordBytes(229, 90, {0x77}); // another program's change
    const auto before = image.contents();
    EXPECT_THROW(ReplaceRecords(rom, writes), RomError);
    EXPECT_TRUE(image.contents() == before);
    EXPECT_EQ(probe->writeCalls, 0);

    writes[1].before = ReadRecordAt(rom, 229);
    writes[1].after = writes[1].before;
    writes[1].after.setValue(Field::HP, 40000);
    ReplaceRecords(rom, writes);
    EXPECT_EQ(probe->writeCalls, 2);
    for (const RecordWrite &write : writes)
        EXPECT_TRUE(std::ranges::equal(image.recordBytes(write.index), write.after.allBytes()));

    // Undoing is the same change reversed.
    std::vector<RecordWrite> undo;
    for (const RecordWrite &write : writes)
        undo.push_back(Reversed(write));
    ReplaceRecords(rom, undo);
    EXPECT_TRUE(image.contents() == before);
}

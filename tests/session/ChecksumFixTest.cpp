#include "CraftedCartridge.h"
#include "ImageSession.h"
#include "TestImage.h"

#include <gtest/gtest.h>

using namespace mobwright;
using namespace mobwright::test;
using Kind = WriteOutcome::Kind;

// Fix Checksum is one step: the sum checks out independently, and undo puts
// the four bytes back, leaving the file byte for byte as before.
TEST(ChecksumFix, IsOneStepThatUndoesByteForByte)
{
    const struct
    {
        HeaderPlace place;
        std::uint64_t size;
    } cases[] = {{HeaderPlace::LoROM, 1536 * 1024},
                 {HeaderPlace::HiROM, 3072 * 1024 + 512},
                 {HeaderPlace::ExHiROM, 6144 * 1024}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.size);
        TestImage image(c.size);
        image.fillRandom(11);
        PutInternalHeader(image, c.place);
        const auto before = image.contents();
        ImageSession session;
        session.open(image.path());
        EXPECT_EQ(session.fixChecksum().kind, Kind::Written);
        const auto fixed = image.contents();
        EXPECT_EQ(StoredChecksum(fixed, c.place), PlainChecksum(fixed));
        EXPECT_EQ(session.undoText(), "Fix Checksum");
        EXPECT_EQ(session.fixChecksum().kind, Kind::Nothing) << "right already";
        EXPECT_EQ(session.undo().kind, Kind::Written);
        EXPECT_TRUE(image.contents() == before);
        EXPECT_FALSE(session.canUndo());
        session.redo();
        EXPECT_TRUE(image.contents() == fixed);
    }
}

// Nothing is written, and no step taken, for an image opened for reading
// only or one whose header cannot be trusted.
TEST(ChecksumFix, RefusesAReadOnlyImageAndOneWithoutAHeader)
{
    TestImage image(1536 * 1024);
    image.fillRandom(12);
    const auto noHeader = image.contents();
    ImageSession session;
    session.open(image.path());
    const WriteOutcome refused = session.fixChecksum();
    EXPECT_EQ(refused.kind, Kind::NothingWritten);
    EXPECT_NE(refused.message().find("No internal header can be trusted at LoROM 0x7FC0 and "
                                     "HiROM 0xFFC0."),
              std::string::npos)
        << refused.message();
    PutInternalHeader(image, HeaderPlace::HiROM);
    const auto header = image.contents();
    session.openReadOnly(image.path());
    EXPECT_NE(session.fixChecksum().message().find("opened for reading only"), std::string::npos);
    EXPECT_FALSE(session.canUndo());
    EXPECT_TRUE(image.contents() == header);
}

// Kept right, the checksum goes with each write in its step, and back with its undo.
TEST(ChecksumFix, KeptRightItGoesWithEachWriteInItsStep)
{
    TestImage image(3072 * 1024);
    image.fillRandom(13);
    PutInternalHeader(image, HeaderPlace::HiROM);
    ImageSession session;
    session.open(image.path());
    session.setKeepChecksum(true);
    const auto before = image.contents();
    session.editField(5, Field::HP, {"1234", KEEP_STORED});
    session.editField(9, Field::HP, {"4321", KEEP_STORED});
    EXPECT_EQ(std::get<WriteOutcome>(session.applyPending({5, 9}, "Apply")).kind, Kind::Written);
    const auto written = image.contents();
    EXPECT_EQ(StoredChecksum(written, HeaderPlace::HiROM), PlainChecksum(written));
    session.undo();
    EXPECT_TRUE(image.contents() == before);
    EXPECT_EQ(session.undoText(), "Edit HP of 010") << "the edits' steps stay";
}

#include "CraftedCartridge.h"
#include "ImageSession.h"
#include "TestImage.h"

#include <gtest/gtest.h>

using namespace mobwright;
using namespace mobwright::test;

// An image opened for reading only is refused, and one whose header cannot be
// trusted, naming the places tried: nothing written, no step taken.
TEST(ChecksumFix, RefusesAReadOnlyImageAndOneWithoutAHeader)
{
    TestImage image(1536 * 1024);
    image.fillRandom(12);
    PutInternalHeader(image, HeaderPlace::HiROM);
    const auto before = image.contents();
    ImageSession session;
    session.openReadOnly(image.path());
    const WriteOutcome refused = session.fixChecksum();
    EXPECT_EQ(refused.kind, WriteOutcome::Kind::NothingWritten);
    EXPECT_NE(refused.message().find("opened for reading only"), std::string::npos);
    EXPECT_FALSE(session.canUndo());
    EXPECT_TRUE(image.contents() == before);
    TestImage blank(1536 * 1024);
    session.open(blank.path());
    EXPECT_NE(session.fixChecksum().message().find(
                  "No internal header can be trusted at LoROM 0x7FC0 and HiROM 0xFFC0."),
              std::string::npos);
}

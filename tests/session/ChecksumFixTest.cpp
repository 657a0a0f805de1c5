#include "CraftedCartridge.h"
#include "FactsInBackground.h"
#include "ImageSession.h"
#include "TestImage.h"

#include <QSignalSpy>
#include <QTest>

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

// Facts read in the background are told only for the last file asked for:
// a read overtaken while it runs, or one forgotten, is never told.
TEST(ChecksumFix, FactsInBackgroundTellOnlyTheLastRead)
{
    TestImage wrong(1536 * 1024);
    wrong.fillRandom(5);
    PutInternalHeader(wrong, HeaderPlace::HiROM);
    TestImage right(1536 * 1024);
    right.fillRandom(6);
    PutInternalHeader(right, HeaderPlace::LoROM);
    ImageSession session;
    session.open(right.path());
    ASSERT_EQ(session.fixChecksum().kind, WriteOutcome::Kind::Written);

    FactsInBackground facts;
    QSignalSpy told(&facts, &FactsInBackground::factsRead);
    facts.read(wrong.path());
    ASSERT_TRUE(QTest::qWaitFor([&] { return facts.isReading(); }));
    facts.read(right.path());
    ASSERT_TRUE(told.wait(5000));
    ASSERT_EQ(told.size(), 1);
    auto last = told.takeFirst().at(0).value<FactsInBackground::Facts>();
    ASSERT_TRUE(last.has_value());
    EXPECT_TRUE(last->checksumMatches());
    EXPECT_EQ(last->header.place, HeaderPlace::LoROM);

    facts.read(right.path());
    ASSERT_TRUE(QTest::qWaitFor([&] { return facts.isReading(); }));
    facts.forget();
    facts.read(wrong.path());
    ASSERT_TRUE(told.wait(5000));
    QTest::qWait(50); // the forgotten read would be told by now
    ASSERT_EQ(told.size(), 1);
    last = told.takeFirst().at(0).value<FactsInBackground::Facts>();
    ASSERT_TRUE(last.has_value());
    EXPECT_FALSE(last->checksumMatches());
    EXPECT_FALSE(facts.isReading());
}

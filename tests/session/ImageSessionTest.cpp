#include "ImageSession.h"
#include "ProbedFile.h"
#include "TestImage.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace mobwright;
using namespace mobwright::test;

namespace {

class ImageSessionTest : public testing::Test
{
protected:
    ImageSessionTest()
    {
        image_.fillRandom(3);
        session_.setFileOpener(ProbedOpener(probe_));
        session_.open(image_.path());
    }

    void setHp(int index, int hp)
    {
        session_.editField(index, Field::HP, {std::to_string(hp), KEEP_STORED});
    }
    int hpInFile(int index) const
    {
        const auto bytes = image_.recordBytes(index);
        return bytes[33] | bytes[34] << 8;
    }

    TestImage image_;
    std::shared_ptr<FileProbe> probe_ = std::make_shared<FileProbe>();
    ImageSession session_;
};

} // namespace

// Pending edits of many enemies go in one write, as one step of the history;
// undoing it writes the earlier bytes back, in one write, and the edits are
// pending again; redoing writes them once more.
TEST_F(ImageSessionTest, ApplyAllIsOneWriteAndOneStepThatUndoesToPendingEdits)
{
    const std::vector<int> enemies{0, 7, 100, 229};
    std::vector<int> before;
    for (const int index : enemies) {
        before.push_back(hpInFile(index));
        setHp(index, 1000 + index);
    }
    const int steps = session_.history()->index();
    const WriteOutcome applied = session_.applyPending(enemies, "Apply to 4 enemies");
    EXPECT_EQ(applied.kind, WriteOutcome::Kind::Written);
    EXPECT_EQ(probe_->writeCalls, 1);
    EXPECT_EQ(session_.history()->index(), steps + 1);
    EXPECT_EQ(session_.history()->undoText(), "Apply to 4 enemies");
    EXPECT_TRUE(session_.pending().empty());
    for (const int index : enemies)
        EXPECT_EQ(hpInFile(index), 1000 + index);

    ASSERT_TRUE(session_.undo());
    EXPECT_EQ(probe_->writeCalls, 2);
    EXPECT_EQ(session_.pending().enemies(), enemies);
    for (std::size_t k = 0; k < enemies.size(); ++k) {
        EXPECT_EQ(hpInFile(enemies[k]), before[k]);
        EXPECT_EQ(session_.shown(enemies[k]).value(Field::HP), 1000u + enemies[k]);
    }
    ASSERT_TRUE(session_.redo());
    EXPECT_EQ(probe_->writeCalls, 3);
    EXPECT_TRUE(session_.pending().empty());
    EXPECT_EQ(hpInFile(229), 1229);
}

// Another program's change reaches what the session holds; edits made before
// it stay, and are not written over it.
TEST_F(ImageSessionTest, AChangeBehindTheEditorIsReadAndGuardsTheEditsMadeBefore)
{
    setHp(5, 600);
    QSignalSpy stored(&session_, &ImageSession::storedChanged);
    QSignalSpy behind(&session_, &ImageSession::changedBehind);
    image_.setRecordBytes(5, 54, {77});
    image_.setRecordBytes(9, 54, {78});
    ASSERT_TRUE(stored.wait(5000));
    EXPECT_EQ(stored.takeFirst().at(0).value<QList<int>>(), (QList<int>{5, 9}));
    EXPECT_EQ(behind.takeFirst().at(0).value<QList<int>>(), QList<int>{5});
    EXPECT_EQ(session_.stored(9).value(Field::Level), 78u);
    EXPECT_EQ(session_.shown(5).value(Field::HP), 600u);

    const auto file = image_.contents();
    const WriteOutcome refused = session_.applyPending({5}, "Apply to 006");
    EXPECT_EQ(refused.cause, WriteOutcome::Cause::ChangedBehind);
    EXPECT_TRUE(image_.contents() == file);
    EXPECT_EQ(session_.history()->undoText(), "Edit HP of 006");
}

// A step whose write fails stays where it was in the history, to be tried
// again; a first write that fails never enters it.
TEST_F(ImageSessionTest, AWriteThatFailsLeavesTheHistoryWhereItWas)
{
    setHp(3, 300);
    session_.applyPending({3}, "Apply to 004");
    image_.setRecordBytes(3, 33, {7, 0}); // another program, before the watcher tells
    const int index = session_.history()->index();
    const auto undone = session_.undo();
    ASSERT_TRUE(undone);
    EXPECT_EQ(undone->cause, WriteOutcome::Cause::ChangedBehind);
    EXPECT_EQ(session_.history()->index(), index);
    EXPECT_EQ(hpInFile(3), 7);

    setHp(4, 400);
    probe_->failWritesAfter = 0;
    const int count = session_.history()->count();
    EXPECT_EQ(session_.applyPending({4}, "Apply to 005").kind, WriteOutcome::Kind::NothingWritten);
    EXPECT_EQ(session_.history()->count(), count);
    EXPECT_EQ(session_.shown(4).value(Field::HP), 400u);
}

// The steps and edits of one image never reach another opened after it.
TEST_F(ImageSessionTest, AnotherImageStartsWithNoHistoryAndNoPendingEdits)
{
    setHp(0, 1234);
    session_.applyPending({0}, "Apply to 001");
    setHp(1, 99);
    ASSERT_TRUE(session_.history()->canUndo());
    TestImage other;
    other.fillRandom(4);
    session_.open(other.path());
    EXPECT_FALSE(session_.history()->canUndo());
    EXPECT_TRUE(session_.pending().empty());
}

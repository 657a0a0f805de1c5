#include "EnemyLabels.h"
#include "ImageSession.h"
#include "ProbedFile.h"
#include "RecordDifferences.h"
#include "RomError.h"
#include "TestImage.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <filesystem>

using namespace mobwright;
using namespace mobwright::test;
using Kind = WriteOutcome::Kind;

namespace {

// What a write did; an edit that refuses it throws.
WriteOutcome Written(const ImageSession::ApplyOutcome &applied)
{
    return std::get<WriteOutcome>(applied);
}

// A byte of a record: set by the user in the editor, or by another program in the file.
struct Byte
{
    int enemy;
    int offset;
    std::uint8_t value;
};

void Edit(ImageSession &session, const Byte &byte)
{
    PendingRecord pending = session.pendingOrStored(byte.enemy);
    pending.target.bytes(byte.offset, 1)[0] = byte.value;
    session.editPending({{byte.enemy, pending}}, "Edit");
}

// The fields and bytes pending, as the Apply All preview lists them, each
// in conflict marked "!": "001 HP, 002 Speed!".
std::string Pending(const ImageSession &session)
{
    std::string text;
    for (const int enemy : session.pending().enemies()) {
        const PendingRecord &pending = *session.pendingOf(enemy);
        for (const RecordDifference &part : RecordDifferences({pending.base}, {pending.target})) {
            text += (text.empty() ? "" : ", ") + EnemyNumber(enemy) + " " +
                    CellName(part.cell) + (pending.inConflict(part.cell) ? "!" : "");
        }
    }
    return text;
}

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
// pending again; redoing writes them once more. Each says what it wrote.
TEST_F(ImageSessionTest, ApplyAllIsOneWriteAndOneStepThatUndoesToPendingEdits)
{
    const std::vector<int> enemies{0, 7, 100, 229};
    std::vector<int> before;
    for (const int index : enemies) {
        before.push_back(hpInFile(index));
        setHp(index, 1000 + index);
    }
    EXPECT_EQ(Written(session_.applyPending(enemies, "Apply to 4 enemies")).kind, Kind::Written);
    EXPECT_EQ(probe_->writeCalls, 1);
    EXPECT_EQ(session_.undoText(), "Apply to 4 enemies");
    EXPECT_TRUE(session_.pending().empty());
    for (const int index : enemies)
        EXPECT_EQ(hpInFile(index), 1000 + index);

    EXPECT_EQ(session_.undo().kind, Kind::Written);
    EXPECT_EQ(probe_->writeCalls, 2);
    EXPECT_EQ(session_.pending().enemies(), enemies);
    for (std::size_t k = 0; k < enemies.size(); ++k) {
        EXPECT_EQ(hpInFile(enemies[k]), before[k]);
        EXPECT_EQ(session_.shown(enemies[k]).value(Field::HP), 1000u + enemies[k]);
    }
    EXPECT_EQ(session_.redo().kind, Kind::Written);
    EXPECT_EQ(probe_->writeCalls, 3);
    EXPECT_TRUE(session_.pending().empty());
    EXPECT_EQ(hpInFile(229), 1229);
}

// A step whose write fails stays where it was in the history, to be tried
// again; a first write that fails never enters it.
TEST_F(ImageSessionTest, AWriteThatFailsLeavesTheHistoryWhereItWas)
{
    setHp(3, 300);
    session_.applyPending({3}, "Apply to 004");
    image_.setRecordBytes(3, 33, {7, 0}); // another program, before the watcher tells
    EXPECT_EQ(session_.undo().changedParts.at(3), std::vector<std::string>{"HP"});
    EXPECT_EQ(session_.undoText(), "Apply to 004");
    EXPECT_FALSE(session_.canRedo());
    EXPECT_EQ(hpInFile(3), 7);

    setHp(4, 400);
    probe_->failWritesAfter = 0;
    EXPECT_EQ(Written(session_.applyPending({4}, "Apply to 005")).kind, Kind::NothingWritten);
    EXPECT_EQ(session_.undoText(), "Edit HP of 005");
    EXPECT_EQ(session_.shown(4).value(Field::HP), 400u);
}

// Edits whose text their fields cannot take refuse the whole write, named
// by the first enemy, in ascending order, that holds one: nothing is
// written, no step is taken.
TEST_F(ImageSessionTest, EditsThatCannotBeWrittenRefuseTheWholeWrite)
{
    setHp(1, 100);
    session_.editField(7, Field::HP, {"abc", KEEP_STORED});
    session_.editField(3, Field::HP, {"1.5", KEEP_STORED});
    const auto file = image_.contents();
    const ImageSession::ApplyOutcome applied = session_.applyPending({7, 3, 1}, "Apply All");
    const auto *refused = std::get_if<ImageSession::RefusedEdit>(&applied);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->enemy, 3);
    EXPECT_EQ(refused->refusal.field, Field::HP);
    EXPECT_EQ(refused->refusal.text, "1.5");
    EXPECT_EQ(session_.firstRefusal({7, 3, 1})->enemy, 3);
    EXPECT_FALSE(session_.firstRefusal({1}));
    EXPECT_TRUE(image_.contents() == file);
    EXPECT_EQ(probe_->writeCalls, 0);
    EXPECT_EQ(session_.undoText(), "Edit HP of 004");
}

// Undo and redo of pending edits, or with no step to take, write nothing,
// and say so. The views are told whenever the steps change, also when a
// first write that fails takes the steps to redo; writing no change does not.
TEST_F(ImageSessionTest, StepsOfPendingEditsWriteNothing)
{
    QSignalSpy changed(&session_, &ImageSession::historyChanged);
    EXPECT_EQ(session_.redo().kind, Kind::Nothing);
    setHp(2, 5);
    setHp(3, 6);
    changed.clear();
    EXPECT_EQ(session_.undo().kind, Kind::Nothing);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(session_.undoText() + "|" + session_.redoText(), "Edit HP of 003|Edit HP of 004");
    EXPECT_EQ(session_.writeChanges({}, "Import").kind, Kind::Nothing);
    EXPECT_TRUE(session_.canRedo());
    probe_->failWritesAfter = 0;
    EXPECT_EQ(Written(session_.applyPending({2}, "Apply to 003")).kind, Kind::NothingWritten);
    EXPECT_FALSE(session_.canRedo());
    EXPECT_EQ(changed.count(), 2);
}

// Typing on in one field is one step, which goes when the field is typed
// back to what the file holds. A session going away tells no view of it.
TEST_F(ImageSessionTest, TypingOnInOneFieldIsOneStep)
{
    const std::string stored = std::to_string(session_.stored(0).value(Field::HP));
    setHp(0, 5);
    setHp(0, 55);
    EXPECT_EQ(session_.undoText(), "Edit HP of 001");
    session_.undo();
    EXPECT_FALSE(session_.canUndo() || session_.pendingOf(0));
    session_.redo();
    session_.editField(0, Field::HP, {stored, KEEP_STORED});
    EXPECT_FALSE(session_.canUndo());

    TestImage other;
    auto *going = new ImageSession;
    going->open(other.path());
    going->editField(0, Field::HP, {"1", KEEP_STORED});
    QSignalSpy told(going, &ImageSession::historyChanged);
    delete going;
    EXPECT_TRUE(told.isEmpty());
}

// The user's edits and another program's change of the same image, merged
// field by field and uncovered byte by byte: what the views show and the
// preview lists, then what Apply All writes with no conflict ticked, then
// with every one ticked.
TEST(MergeTest, EditsMergeWithAnotherProgramsChangePartByPart)
{
    const struct
    {
        const char *what;
        std::vector<Byte> mine, theirs, shown;
        std::string pending;
        std::vector<Byte> written; // without conflicts
    } cases[] = {
        {"other fields", {{0, 54, 9}}, {{0, 60, 77}}, {{0, 54, 9}, {0, 60, 77}}, "001 Level", {{0, 54, 9}, {0, 60, 77}}},
        {"same field, same value", {{0, 60, 77}}, {{0, 60, 77}}, {{0, 60, 77}}, "", {{0, 60, 77}}},
        {"same field, each its own value", {{0, 60, 10}}, {{0, 60, 77}}, {{0, 60, 10}}, "001 Speed!", {{0, 60, 77}}},
        {"two bytes of one field", {{0, 33, 5}}, {{0, 34, 2}}, {{0, 33, 5}, {0, 34, 0}}, "001 HP!", {{0, 33, 0}, {0, 34, 2}}},
        {"uncovered byte, each its own value", {{0, 26, 3}}, {{0, 26, 4}}, {{0, 26, 3}}, "001 Pronoun!", {{0, 26, 4}}},
        {"uncovered bytes side by side", {{0, 57, 3}}, {{0, 59, 4}}, {{0, 57, 3}, {0, 59, 4}}, "001 Byte 57", {{0, 57, 3}, {0, 59, 4}}},
        {"another record", {{0, 54, 9}}, {{1, 54, 7}}, {{0, 54, 9}, {1, 54, 7}}, "001 Level", {{0, 54, 9}, {1, 54, 7}}},
        // Apply All once listed "001 Speed 77 -> 0" here, as if to put the value back.
        {"two enemies edited, another field of one changed", {{0, 33, 5}, {1, 54, 9}}, {{0, 60, 77}},
         {{0, 60, 77}}, "001 HP, 002 Level", {{0, 33, 5}, {0, 60, 77}, {1, 54, 9}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        TestImage image;
        ImageSession session;
        session.open(image.path());
        for (const Byte &byte : c.mine)
            Edit(session, byte);
        QSignalSpy stored(&session, &ImageSession::storedChanged);
        for (const Byte &byte : c.theirs)
            image.setRecordBytes(byte.enemy, byte.offset, {byte.value});
        ASSERT_TRUE(stored.wait(5000));
        for (const Byte &byte : c.shown)
            EXPECT_EQ(session.shown(byte.enemy).bytes(byte.offset, 1)[0], byte.value) << byte.offset;
        EXPECT_EQ(Pending(session), c.pending);

        const std::vector<int> enemies = session.pending().enemies();
        Written(session.applyPending(enemies, "Apply All"));
        for (const Byte &byte : c.written)
            EXPECT_EQ(image.recordBytes(byte.enemy)[byte.offset], byte.value) << byte.offset;
        ImageSession::Confirmed all;
        for (const int enemy : session.pending().enemies())
            all[enemy] = session.pendingOf(enemy)->conflicts;
        Written(session.applyPending(enemies, "Apply All", all));
        EXPECT_TRUE(session.pending().empty());
        for (const Byte &byte : c.mine)
            EXPECT_EQ(image.recordBytes(byte.enemy)[byte.offset], byte.value) << byte.offset;
    }
}

// An apply made before the watcher tells of another program's change
// writes nothing, names what changed, and merges; the next one writes.
TEST_F(ImageSessionTest, AnApplyRefusedForAChangeBehindMergesAndTheNextOneWrites)
{
    setHp(5, 600);
    image_.setRecordBytes(5, 60, {77});
    const auto file = image_.contents();
    EXPECT_EQ(Written(session_.applyPending({5}, "Apply to 006")).changedParts.at(5),
              std::vector<std::string>{"Speed"});
    EXPECT_TRUE(image_.contents() == file);
    EXPECT_EQ(Pending(session_), "006 HP");
    EXPECT_EQ(Written(session_.applyPending({5}, "Apply to 006")).kind, Kind::Written);
    EXPECT_EQ(hpInFile(5) + image_.recordBytes(5)[60], 600 + 77);
}

// Records taken for a preview are written as shown or not at all: a change
// that arrives while it is open refuses them, and merges with the edits. With
// only a conflicting edit left, and not ticked, nothing is written.
TEST_F(ImageSessionTest, AChangeWhileThePreviewIsOpenWritesNothing)
{
    setHp(5, 600);
    const auto previewed = session_.pendingRecords({5});
    QSignalSpy stored(&session_, &ImageSession::storedChanged);
    image_.setRecordBytes(5, 33, {1, 2});
    ASSERT_TRUE(stored.wait(5000));
    const auto file = image_.contents();
    EXPECT_EQ(Written(session_.applyRecords(previewed, "Apply All")).cause,
              WriteOutcome::Cause::ChangedBehind);
    EXPECT_EQ(Pending(session_), "006 HP!");
    EXPECT_EQ(Written(session_.applyPending({5}, "Apply All")).kind, Kind::Nothing);
    EXPECT_TRUE(image_.contents() == file);
    EXPECT_EQ(session_.undoText(), "Edit HP of 006");
}

// Undo and redo of edits made before another program's change merge them
// onto it: they never take the change back, and a conflict comes back with
// its edit; it goes once the file takes the user's value.
TEST_F(ImageSessionTest, UndoAndRedoKeepAnotherProgramsChange)
{
    setHp(5, 600);
    session_.editField(5, Field::Speed, {"10", KEEP_STORED});
    QSignalSpy stored(&session_, &ImageSession::storedChanged);
    image_.setRecordBytes(5, 60, {77});
    image_.setRecordBytes(5, 54, {9});
    ASSERT_TRUE(stored.wait(5000));
    EXPECT_EQ(Pending(session_), "006 HP, 006 Speed!");
    session_.undo();
    EXPECT_EQ(Pending(session_), "006 HP");
    EXPECT_EQ(session_.shown(5).value(Field::Speed), 77u);
    session_.redo();
    EXPECT_EQ(Pending(session_), "006 HP, 006 Speed!");
    session_.undo();
    session_.undo();
    EXPECT_TRUE(session_.pending().empty());
    EXPECT_EQ(session_.shown(5).value(Field::Level), 9u);
    session_.redo();
    session_.redo();
    image_.setRecordBytes(5, 60, {10});
    ASSERT_TRUE(stored.wait(5000));
    EXPECT_EQ(Pending(session_), "006 HP");
}

// A file replaced or resized is no base for the edits: nothing is merged
// until the image is opened again, and then the edits merge onto it; a file
// deleted cannot be opened again, and the edits stay.
TEST(MergeTest, EditsMergeOntoAReplacedOrResizedImageOnlyOnceItIsOpenedAgain)
{
    namespace fs = std::filesystem;
    TestImage image;
    const std::function<void()> changes[] = {
        [&] {
            TestImage other;
            other.setRecordBytes(5, 60, {77});
            fs::rename(other.path(), image.path());
        },
        [&] {
            image.setRecordBytes(5, 60, {77});
            fs::resize_file(image.path(), image.size() + 1024);
        },
        [&] { fs::remove(image.path()); },
    };
    for (const auto &change : changes) {
        TestImage fresh;
        fs::copy_file(fresh.path(), image.path(), fs::copy_options::overwrite_existing);
        ImageSession session;
        session.open(image.path());
        session.editField(5, Field::HP, {"600", KEEP_STORED});
        QSignalSpy lost(&session, &ImageSession::imageLost);
        change();
        ASSERT_TRUE(lost.wait(5000));
        EXPECT_EQ(session.shown(5).value(Field::Speed), 0u);
        if (!fs::exists(image.path())) {
            EXPECT_THROW(session.openAgain(), RomError);
        } else {
            session.openAgain();
            EXPECT_EQ(session.shown(5).value(Field::Speed), 77u);
        }
        EXPECT_EQ(Pending(session), "006 HP");
        EXPECT_EQ(lost.count(), 1);
    }
}

// A closed image's own names go with it: the item it named is unnamed again.
TEST(ImageSessionClose, ForgetsTheNamesTheImageGave)
{
    TestImage image;
    image.setGameText(image.imageOffset(0x155200) + 39 * 88, "Bread"); // item 88's name
    ImageSession session;
    session.open(image.path());
    const ListEntry bread{LongList::Item, 88};
    ASSERT_NE(session.labels().label(bread).find("Bread"), std::string::npos);
    session.close();
    EXPECT_EQ(session.labels().label(bread).find("Bread"), std::string::npos);
}

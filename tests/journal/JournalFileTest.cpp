#include "FileSizeLimit.h"
#include "JournalFolder.h"
#include "JournalFormat.h"
#include "JournalHarness.h"
#include "JournaledWrite.h"
#include "OutputFile.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/stat.h>

using namespace mobwright;
using namespace mobwright::test;
namespace fs = std::filesystem;
using Found = JournalFolder::Found;

namespace {

class JournalFileTest : public testing::Test
{
protected:
    JournalFileTest()
    {
        image_.fillRandom(7);
        other_.fillRandom(8);
    }

    JournalFolder::Lookup lookup(const std::string &path)
    {
        RomFile rom = RomFile::open(path, OpenReadOnlyFile);
        return folder_.journalFor(rom);
    }
    WriteOutcome writeInto(const std::string &path, Journal *journal = nullptr)
    {
        RomFile rom = RomFile::open(path);
        auto found = journal ? JournalFolder::Lookup{} : folder_.journalFor(rom);
        return JournaledWrite(journal ? journal : found.journal.get(), rom,
                              {Rewrites(rom, {5}, ++seed_), {}}, "Apply");
    }
    std::string journalFile() const
    {
        return dir_
            .filePath("journals/" + QDir(dir_.filePath("journals")).entryList(QDir::Files).value(0))
            .toStdString();
    }

    QTemporaryDir dir_;
    JournalFolder folder_{dir_.filePath("journals")};
    TestImage image_;
    TestImage other_;
    unsigned seed_ = 0;
};

fs::perms Mode(const std::string &path)
{
    return fs::status(path).permissions();
}

} // namespace

// Only the user may read the journals, written whole or appended to, and
// Help's total is what they take.
TEST_F(JournalFileTest, JournalsAreTheUsersAlone)
{
    ASSERT_TRUE(writeInto(image_.path()).wroteAll());
    EXPECT_EQ(Mode(dir_.filePath("journals").toStdString()), fs::perms::owner_all);
    EXPECT_EQ(Mode(journalFile()), fs::perms(0600));
    // Written anew, or appended to, after another program opened it up.
    JournalFile file(QString::fromStdString(journalFile()));
    const QByteArray bytes = file.read().value();
    for (const auto &write : std::vector<std::function<void()>>{
             [&] { file.replace(bytes); }, [&] { file.append(bytes.size(), {}, false); }}) {
        fs::permissions(journalFile(), fs::perms(0644));
        write();
        EXPECT_EQ(Mode(journalFile()), fs::perms(0600));
    }
    EXPECT_EQ(folder_.totalSize(), qint64(fs::file_size(journalFile())));
}

// A link or a FIFO put in a journal's place, even while the journal is
// written, is neither written nor read, and so nothing is written into the image.
TEST_F(JournalFileTest, LinkOrFifoInAJournalsPlaceIsRefused)
{
    const std::string other = image_.path() + ".other";
    const std::vector<std::pair<const char *, std::function<void(const std::string &)>>> places = {
        {"its place holds a link", [&](const std::string &at) { fs::create_symlink(other, at); }},
        {"FIFO", [](const std::string &at) { ASSERT_EQ(::mkfifo(at.c_str(), 0600), 0); }}};
    for (const auto &[what, put] : places) {
        SCOPED_TRACE(what);
        fs::remove_all(dir_.filePath("journals").toStdString());
        ASSERT_TRUE(writeInto(image_.path()).wroteAll());
        const auto journal = lookup(image_.path()).journal;
        // Written through once, the journal holds its file open.
        ASSERT_TRUE(writeInto(image_.path(), journal.get()).wroteAll());
        fs::copy_file(journalFile(), other, fs::copy_options::overwrite_existing);
        const std::string place = journalFile();
        fs::remove(place);
        put(place);
        const auto image = image_.contents();
        const WriteOutcome outcome = writeInto(image_.path(), journal.get());
        EXPECT_EQ(outcome.kind, WriteOutcome::Kind::NothingWritten);
        EXPECT_NE(outcome.message().find(what), std::string::npos) << outcome.message();
        EXPECT_EQ(image_.contents(), image);
        EXPECT_EQ(fs::file_size(other), std::size_t(journal->size()));
        EXPECT_THROW(lookup(image_.path()), JournalError);
    }
}

// A change of nothing is not journaled, not even the original table it
// would keep; and without a journal a change is written as it is.
TEST_F(JournalFileTest, NothingIsJournaledForNoChangeOrWithoutAJournal)
{
    RomFile rom = RomFile::open(image_.path());
    const auto journal = folder_.journalFor(rom).journal;
    JournaledWrite(journal.get(), rom, {}, "Apply");
    EXPECT_EQ(journal->size(), 0);
    const auto before = image_.contents();
    EXPECT_TRUE(JournaledWrite(nullptr, rom, {Rewrites(rom, {5}, 9), {}}, "Apply").wroteAll());
    EXPECT_NE(image_.contents(), before);
    EXPECT_EQ(journal->size(), 0);
}

// A journal that cannot grow, as on a full disk, is told with the system's
// words, synced or not, and nothing of the bytes is kept.
TEST_F(JournalFileTest, JournalThatCannotGrowIsTold)
{
    ASSERT_TRUE(writeInto(image_.path()).wroteAll());
    JournalFile file(QString::fromStdString(journalFile()));
    const auto size = fs::file_size(journalFile());
    for (const bool sync : {false, true}) {
        SCOPED_TRACE(sync);
        const FileSizeLimit limit(true, size);
        try {
            file.append(qint64(size), QByteArray(100, 'x'), sync);
            ADD_FAILURE() << "the failed write was not told";
        } catch (const JournalError &error) {
            EXPECT_NE(std::string(error.what()).find(std::strerror(EFBIG)), std::string::npos)
                << error.what();
        }
    }
    EXPECT_EQ(fs::file_size(journalFile()), size);
}

// Bytes after the last whole record are told, and cut at the next write.
TEST_F(JournalFileTest, TornTailIsToldAndCutAtTheNextWrite)
{
    ASSERT_TRUE(writeInto(image_.path()).wroteAll());
    std::ofstream(journalFile(), std::ios::app) << std::string(4096, 'x');
    EXPECT_EQ(lookup(image_.path()).journal->unreadBytes(), 4096);
    ASSERT_TRUE(writeInto(image_.path()).wroteAll());
    const auto again = lookup(image_.path()).journal;
    EXPECT_EQ(again->unreadBytes(), 0);
    EXPECT_EQ(again->entries().size(), 2u);
}

// An image is found again by its path, its identity or what it holds.
TEST_F(JournalFileTest, JournalIsFoundAgainWhereverTheImageWent)
{
    const std::string to = image_.path() + ".new.smc";
    const auto copy = [&] { fs::copy_file(image_.path(), to); };
    const std::vector<std::tuple<const char *, std::function<void()>, Found>> cases = {
        {"opened again", [] {}, Found::Same},
        {"renamed, then changed by another program",
         [&] {
             fs::rename(image_.path(), to);
             std::fstream(to, std::ios::in | std::ios::out).seekp(image_.recordOffset(5))
                 << "changed";
         },
         Found::Moved},
        {"copied", copy, Found::Copied},
        {"moved to another disk", [&] { copy(), fs::remove(image_.path()); }, Found::Moved},
        {"put back from a copy", [&] { copy(), fs::rename(to, image_.path()); }, Found::Replaced},
        {"another image", [&] { fs::copy_file(other_.path(), to); }, Found::New},
    };
    for (const auto &[what, change, found] : cases) {
        SCOPED_TRACE(what);
        fs::remove_all(dir_.filePath("journals").toStdString());
        ASSERT_TRUE(writeInto(image_.path()).wroteAll());
        change();
        const std::string path = fs::exists(to) ? to : image_.path();
        const auto lookedUp = lookup(path);
        EXPECT_EQ(lookedUp.found, found);
        EXPECT_EQ(lookedUp.journal->entries().size(), found == Found::New ? 0u : 1u);
        ASSERT_TRUE(writeInto(path).wroteAll());
        EXPECT_EQ(lookup(path).journal->entries().size(), found == Found::New ? 1u : 2u);
        if (found == Found::Moved) {
            EXPECT_EQ(QDir(dir_.filePath("journals")).entryList(QDir::Files).size(), 1);
        }
        if (fs::exists(to))
            fs::rename(to, image_.path());
    }
}

// A journal is binary and may have an image's size; it is never taken for one.
TEST(JournalGuardTest, FileWithTheSignatureIsNoImageByItsLooks)
{
    QTemporaryDir dir;
    OutputPlace place{dir.filePath("j.journal")};
    std::ofstream(place.path.toStdString())
        << JOURNAL_SIGNATURE << std::string(32 * 1024 - 8, '\0');
    EXPECT_TRUE(OutputRefusal(place));
    place.signature = JOURNAL_SIGNATURE;
    EXPECT_FALSE(OutputRefusal(place));
}

// Whole records that make no sense where they stand are not read.
TEST(JournalFormatTest, RecordsThatMakeNoSenseAreNotRead)
{
    const QByteArray journal = EncodeJournal({{"image"}, {}, {JournalEntry{5}}});
    for (const QByteArray &record :
         {EncodeOriginal({0, std::vector<std::uint8_t>(10)}), EncodeEntry({5}),
          EncodeEntry({6, 0, "", {ENEMY_COUNT}}), EncodeMark(4, EntryMark::Written),
          EncodeMark(5, EntryMark(7))}) {
        const DecodedJournal decoded = DecodeJournal(journal + record);
        EXPECT_EQ(decoded.unreadBytes, record.size());
        EXPECT_FALSE(decoded.content.original);
        EXPECT_EQ(decoded.content.entries, std::vector{JournalEntry{5}});
    }
}

#include "../exchange/ExchangeHarness.h"
#include "../journal/JournalHarness.h"
#include "SessionJournal.h"

#include <QDir>
#include <QRegularExpression>
#include <QSettings>

#include <gtest/gtest.h>

using namespace mobwright;
using namespace mobwright::test;

// Imports read back by history, and reverted to where one left the table
// or to the original, each revert journaled too.
TEST(JournalCommands, HistoryListsTheWritesAndRevertTakesThemBack)
{
    QDir(JournalFolder::DefaultPath()).removeRecursively(); // of images once at this path
    TestImage image;
    const auto original = image.contents();
    const QString one = WriteFile(image, ".1.csv", "Enemy,HP\r\n001,300\r\n");
    const QString two = WriteFile(image, ".2.csv", "Enemy,HP\r\n002,7\r\n");
    ASSERT_EQ(RunCommand({"import", PathOf(image), one}).status, EXIT_DONE);
    ASSERT_EQ(RunCommand({"import", PathOf(image), two}).status, EXIT_DONE);
    const CommandRun history = RunCommand({"history", PathOf(image)});
    EXPECT_EQ(history.status, EXIT_DONE);
    const QStringList lines = history.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 3) << history.out.toStdString();
    EXPECT_TRUE(lines[0].endsWith(": 2 journaled; its original table is kept.")) << lines[0].toStdString();
    EXPECT_TRUE(QRegularExpression("^1  \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d  Import  enemy 001$")
                    .match(lines[1]).hasMatch()) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].endsWith("  Import  enemy 002")) << lines[2].toStdString();

    const std::tuple<QStringList, int, const char *> cases[] = {
        {{}, EXIT_REFUSED, "Give either"},
        {{"--to", "x"}, EXIT_REFUSED, "Give either"},
        {{"--to", "1", "--to-original"}, EXIT_REFUSED, "Give either"},
        {{"--to", "9"}, EXIT_REFUSED, "holds no write 9"},
        {{"--finish"}, EXIT_REFUSED, "not an option of revert"},
        {{"--to", "1"}, EXIT_DONE, "1 enemy written and synced."},
        {{"--to", "1"}, EXIT_DONE, "nothing to write"},
    };
    for (const auto &[options, status, told] : cases) {
        const CommandRun run = RunCommand(QStringList{"revert", PathOf(image)} + options);
        EXPECT_EQ(run.status, status) << options.join(' ').toStdString();
        EXPECT_TRUE((run.out + run.err).contains(told)) << (run.out + run.err).toStdString();
    }
    EXPECT_EQ(image.recordBytes(0)[33], 300 % 256);
    EXPECT_EQ(image.recordBytes(1)[33], 0);
    EXPECT_TRUE(RunCommand({"history", PathOf(image)}).out.contains("3  "));
    EXPECT_EQ(RunCommand({"revert", PathOf(image), "--to-original"}).status, EXIT_DONE);
    EXPECT_EQ(image.contents(), original);

    // Turned off in the window, the journal is off for the commands too.
    QSettings("Mobwright", "Mobwright").setValue(JOURNAL_SETTING, false);
    EXPECT_EQ(RunCommand({"import", PathOf(image), one}).status, EXIT_DONE);
    EXPECT_TRUE(RunCommand({"history", PathOf(image)}).err.contains("turned off"));
    QSettings("Mobwright", "Mobwright").remove(JOURNAL_SETTING);
    EXPECT_TRUE(RunCommand({"history", PathOf(image)}).out.contains("4 journaled"));
}

// An unfinished write is told part by part and settled by recover; until
// then every other command refuses the image, saying how to settle it.
TEST(JournalCommands, AnUnfinishedWriteIsRecoveredAndRefusedUntilSettled)
{
    QDir(JournalFolder::DefaultPath()).removeRecursively();
    TestImage image;
    image.fillRandom(3);
    const QString csv = WriteFile(image, ".csv", "Enemy,HP\r\n001,300\r\n");
    const auto writes = StopAWrite(image, {3, 4});
    const auto old = writes[1].before.allBytes();
    image.setBytes(image.recordOffset(4), old); // the write was cut after enemy 003

    const CommandRun told = RunCommand({"recover", PathOf(image)});
    EXPECT_EQ(told.status, EXIT_REFUSED);
    EXPECT_TRUE(told.out.contains("\"Import\"")) << told.out.toStdString();
    EXPECT_TRUE(told.out.contains("Written whole: enemy 004. Still as before: enemy 005."))
        << told.out.toStdString();
    for (const QStringList &command :
         {QStringList{"export", PathOf(image)}, {"import", PathOf(image), csv},
          {"diff", PathOf(image), PathOf(image)}, {"info", PathOf(image)},
          {"checksum", PathOf(image)}, {"revert", PathOf(image), "--to-original"}}) {
        const CommandRun refused = RunCommand(command);
        EXPECT_EQ(refused.status, EXIT_REFUSED) << command.join(' ').toStdString();
        EXPECT_TRUE(refused.err.contains("recover")) << refused.err.toStdString();
    }
    const CommandRun back = RunCommand({"recover", PathOf(image), "--roll-back"});
    EXPECT_EQ(back.status, EXIT_DONE) << back.err.toStdString();
    EXPECT_TRUE(back.out.endsWith("Rolled back, written and synced.\n"));
    EXPECT_EQ(image.recordBytes(3), std::vector(writes[0].before.allBytes().begin(),
                                                writes[0].before.allBytes().end()));
    EXPECT_EQ(RunCommand({"recover", PathOf(image)}).status, EXIT_DONE);
    EXPECT_TRUE(RunCommand({"history", PathOf(image)}).out.contains("Roll back \"Import\""));
    EXPECT_EQ(RunCommand({"import", PathOf(image), csv}).status, EXIT_DONE);
}

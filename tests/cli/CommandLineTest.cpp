#include "../exchange/ExchangeHarness.h"
#include "../exchange/PatchAppliers.h"
#include "ImageSession.h"
#include "LabelForms.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace mobwright;
using namespace mobwright::test;

namespace {

void SparseFile(const QString &path, qint64 size)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.resize(size);
}

} // namespace

TEST(CommandLine, ExitStatuses)
{
    TestImage image;
    const QString csv = WriteFile(image, ".csv", "Enemy,HP\r\n001,300\r\n");
    const QString missing = PathOf(image) + ".missing";
    const std::tuple<QStringList, int, const char *> cases[] = {
        // arguments, status, output
        {{"--help"}, EXIT_DONE, "[--dry-run] [--allow-unlisted]\n  mobwright diff BASELINE IMAGE"},
        {{"--version"}, EXIT_DONE, ""},
        {{"export", PathOf(image)}, EXIT_DONE, "Enemy,TheFlag,Name,Name bytes,Byte 26,Type,"},
        {{"-platform", "offscreen", "export", "-o", "-", "--", PathOf(image)}, EXIT_DONE, "Enemy,"},
        {{"export", PathOf(image), "--format", "json"}, EXIT_DONE, "[\n    {\n"},
        {{"export", PathOf(image), "--format", "xml"}, EXIT_REFUSED, ""},
        {{"export", PathOf(image), "--dry-run"}, EXIT_REFUSED, ""},
        {{"export", missing}, EXIT_FILE_FAILED, ""},
        {{"export", PathOf(image), "-o", missing + "/no/such/folder.csv"}, EXIT_FILE_FAILED, ""},
        {{"import", PathOf(image), csv, "--dry-run"}, EXIT_DONE, "001: , HP: 0 -> 300\nDry run"},
        {{"import", missing, csv}, EXIT_FILE_FAILED, ""},
        {{"import", PathOf(image), missing}, EXIT_FILE_FAILED, ""},
        {{"import", PathOf(image), QDir::tempPath()}, EXIT_FILE_FAILED, ""},
        {{"import", PathOf(image)}, EXIT_REFUSED, ""},
        {{"diff", PathOf(image), PathOf(image)}, EXIT_DONE, "Enemy,Field,Baseline,Current\r\n"},
        {{"diff", PathOf(image), missing}, EXIT_FILE_FAILED, ""},
        {{"diff", PathOf(image), PathOf(image), "--format", "zip"}, EXIT_REFUSED, ""},
        {{"--no-such-option"}, EXIT_REFUSED, ""},
    };
    for (const auto &[arguments, status, out] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const CommandRun run = RunCommand(arguments);
        EXPECT_EQ(run.status, status) << run.err.toStdString();
        EXPECT_TRUE(run.out.contains(QString::fromUtf8(out))) << run.out.toStdString();
        EXPECT_EQ(run.status == EXIT_DONE, run.err.isEmpty()) << run.err.toStdString();
    }
    EXPECT_EQ(image.recordBytes(0)[33], 0) << "a dry run writes nothing";
    EXPECT_EQ(RunCommand({"import", PathOf(image), csv}).status, EXIT_DONE);
    EXPECT_EQ(image.recordBytes(0)[33], 300 % 256);
}

TEST(CommandLine, QtOptionsAndDoubleDashLeaveTheWindowItsImage)
{
    const std::pair<QStringList, bool> cases[] = {
        {{}, false},
        {{"rom.smc"}, false},
        {{"-platform", "offscreen", "rom.smc"}, false},
        {{"--style=fusion", "-reverse", "rom.smc"}, false},
        {{"--", "export"}, false},
        {{"-style", "fusion", "export", "rom.smc"}, true},
        {{"diff"}, true},
        {{"-h"}, true},
    };
    for (const auto &[arguments, command] : cases)
        EXPECT_EQ(WantsCommandLine(QStringList{"mobwright"} + arguments), command)
            << arguments.join(' ').toStdString();
}

// A failed write to standard output is told in the system's words; the
// output guard's cases are in tests/ui/frame/outputs.
TEST(CommandLine, AFailedWriteToStandardOutputIsTold)
{
    TestImage image;
    QBuffer in, err;
    err.open(QIODevice::WriteOnly);
    QFile full("/dev/full");
    full.open(QIODevice::WriteOnly);
    EXPECT_EQ(RunCommandLine({"mobwright", "export", PathOf(image)}, {in, full, err, {}}), EXIT_FILE_FAILED);
    EXPECT_TRUE(err.data().contains("No space left on device")) << err.data().toStdString();
}

// Export, info and a dry run open the image read-only, without the lock an open
// editor holds; an import, which writes, waits for the editor to close it.
TEST(CommandLine, ReadsWhileAnEditorHasTheImageOpen)
{
    TestImage image;
    const QString csv = WriteFile(image, ".csv", "Enemy,HP\r\n001,300\r\n");
    ImageSession editor;
    editor.open(image.path());
    EXPECT_EQ(RunCommand({"export", PathOf(image), "-o", PathOf(image) + ".out.csv"}).status,
              EXIT_DONE);
    EXPECT_EQ(RunCommand({"import", PathOf(image), csv, "--dry-run"}).status, EXIT_DONE);
    // info reads the blank image, and refuses only its header.
    EXPECT_TRUE(RunCommand({"info", PathOf(image)}).err.contains("No internal header"));
    const CommandRun run = RunCommand({"import", PathOf(image), csv});
    EXPECT_EQ(run.status, EXIT_FILE_FAILED);
    EXPECT_TRUE(run.err.contains("already open")) << run.err.toStdString();
}

TEST(CommandLine, AHugeTableFileIsRefusedUnread)
{
    TestImage image;
    const QString huge = PathOf(image) + ".csv";
    SparseFile(huge, 100 << 20);
    QElapsedTimer timer;
    timer.start();
    const CommandRun run = RunCommand({"import", PathOf(image), huge});
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_EQ(run.status, EXIT_REFUSED);
    EXPECT_TRUE(run.err.startsWith("The file: over 16 MiB")) << run.err.toStdString();
    const CommandRun piped = RunCommand({"import", PathOf(image), "-"}, QByteArray(17 << 20, ','));
    EXPECT_TRUE(piped.err.startsWith("The file: over 16 MiB")) << piped.err.toStdString();
    // Nor is a row far longer than any enemy's parsed, its lines in quotes.
    const CommandRun row = RunCommand({"import", PathOf(image), "-"},
                                      "Enemy,HP\n001,\"" + QByteArray("1\n").repeated(600000));
    EXPECT_TRUE(row.err.startsWith("Row 2: over 1 MiB") && !row.err.contains("well-formed"))
        << row.err.toStdString();
}

// The user's label files name the lists in an export as in the window; what
// cannot be a label file is told of and skipped, and nothing waits on it.
TEST(CommandLine, ReadsTheLabelFolderSafely)
{
    QTemporaryDir folder;
    const auto at = [&](LongList list) {
        return folder.filePath(QString::fromUtf8(LabelFileName(list)));
    };
    QStringList actions;
    for (const std::string_view label : BuiltInLabels(LongList::Action))
        actions.append(QString::fromUtf8(label));
    actions[0] = "=HYPERLINK(1)";
    QFile file(at(LongList::Action));
    file.open(QIODevice::WriteOnly);
    file.write(actions.join('\n').toUtf8());
    file.close();
    ASSERT_EQ(::mkfifo(QFile::encodeName(at(LongList::Music)).constData(), 0600), 0);
    QFile::link("/dev/zero", at(LongList::Item));
    QDir(folder.path()).mkdir(QString::fromUtf8(LabelFileName(LongList::InsidePic)));
    SparseFile(at(LongList::OutsidePic), (1 << 20) + 1);

    TestImage image;
    ::alarm(10); // a read that waits on the FIFO ends the suite rather than hanging it
    const CommandRun run = RunCommand({"export", PathOf(image)}, {}, folder.path());
    ::alarm(0);
    EXPECT_EQ(run.status, EXIT_DONE);
    EXPECT_TRUE(run.out.contains(",0,'=HYPERLINK(1),")) << "a formula is exported as text";
    for (const char *problem : {"music_labels.txt is not used, it is a device or a FIFO",
                                "item_labels.txt is not used, it is a device or a FIFO",
                                "inside_pic_labels.txt is not used, it is a folder",
                                "outside_pic_labels.txt is not used, it is over 1 MiB"})
        EXPECT_EQ(run.err.count(problem), 1) << problem << "\n" << run.err.toStdString();
}

// The differences as a table, and as patches that make the image from the
// baseline in the image's form or, headerless, without either header.
TEST(CommandLine, DiffGivesEachDifferenceAndPatchesThatMakeTheImage)
{
    TestImage image;
    image.fillRandom(8);
    image.setName(4, "Rust");
    image.setName(9, "Moth");
    image.setRecordBytes(4, 33, {0x90, 0x01});
    image.setRecordBytes(9, 26, {9});
    const Bytes headered = image.contents();
    const Bytes headerless(headered.begin() + COPIER_HEADER_SIZE, headered.end());
    TestImage baseline(HEADERLESS_IMAGE_SIZE);
    baseline.setBytes(0, headerless);
    baseline.setRecordBytes(4, 33, {0x2C, 0x01});
    baseline.setRecordBytes(9, 26, {7});
    EXPECT_EQ(RunCommand({"diff", PathOf(baseline), PathOf(image)}).out,
              "Enemy,Field,Baseline,Current\r\n005: Rust,HP,300,400\r\n010: Moth,Byte 26,7,9\r\n");

    Bytes formed = baseline.contents();
    formed.insert(formed.begin(), headered.begin(), headered.begin() + COPIER_HEADER_SIZE);
    const std::tuple<const char *, const char *, Bytes, Bytes> patches[] = {
        {"ips", "", formed, headered},
        {"bps", "", formed, headered},
        {"ips", "--headerless", baseline.contents(), headerless},
        {"bps", "--headerless", baseline.contents(), headerless}};
    for (const auto &[format, option, source, target] : patches) {
        const QString patch = PathOf(image) + "." + format;
        QStringList arguments = {"diff", PathOf(baseline), PathOf(image), "-o", patch};
        if (*option)
            arguments.append(option);
        ASSERT_EQ(RunCommand(arguments).status, EXIT_DONE);
        QFile file(patch);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        const Bytes made = *format == 'i' ? ApplyIps(source, Bytes(bytes.begin(), bytes.end()))
                                          : *ApplyBps(source, Bytes(bytes.begin(), bytes.end()));
        EXPECT_TRUE(made == target) << format << option;
    }
}

#include "../exchange/ExchangeHarness.h"
#include "../exchange/PatchAppliers.h"
#include "CraftedCartridge.h"
#include "RomChecksum.h"

#include "FileHandle.h"

#include <QJsonDocument>
#include <QProcess>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace mobwright;
using namespace mobwright::test;

namespace {

// A file of random bytes with a header at place, its checksum made to match
// (as a fix would) or left not matching.
void WriteCartridge(TestImage &file, HeaderPlace place, bool matching)
{
    const auto kind = file.size() % 1024 ? ImageKind::CopierHeader : ImageKind::Headerless;
    std::vector<std::uint8_t> bytes = RandomBytes(file.size(), 7);
    const auto cartridge = std::span(bytes).subspan(kind == ImageKind::CopierHeader ? 512 : 0);
    PutInternalHeader(cartridge, place);
    if (matching) {
        const ChecksumFix fix =
            MakeChecksumFix(cartridge, *ReadInternalHeader(cartridge, place), kind);
        std::copy(fix.after.begin(), fix.after.end(), bytes.begin() + fix.fileOffset);
    }
    file.setBytes(0, bytes);
}

} // namespace

TEST(InfoCommand, TellsTheHeaderAndWhetherTheChecksumMatches)
{
    const struct
    {
        HeaderPlace place;
        std::uint64_t size;
        bool matching;
        const char *header;
        const char *romSize;
    } cases[] = {
        {HeaderPlace::LoROM, 1536 * 1024, false, "LoROM 0x7FC0\n",
         "2 MiB (0x0B) declared, 1.5 MiB in"},
        {HeaderPlace::LoROM, 2048 * 1024 + 512, true, "LoROM 0x7FC0 (0x81C0 in the file)",
         "2 MiB (0x0B) declared, 2 MiB in"},
        {HeaderPlace::HiROM, 2048 * 1024 + 512, false, "HiROM 0xFFC0 (0x101C0 in the file)", ""},
        {HeaderPlace::HiROM, 3072 * 1024, true, "HiROM 0xFFC0\n",
         "4 MiB (0x0C) declared, 3 MiB in"},
        {HeaderPlace::ExHiROM, 5120 * 1024 + 512, true, "ExHiROM 0x40FFC0 (0x4101C0 in",
         "8 MiB (0x0D) declared, 5 MiB in"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.header);
        TestImage image(c.size);
        WriteCartridge(image, c.place, c.matching);
        const CommandRun info = RunCommand({"info", PathOf(image)});
        EXPECT_EQ(info.status, EXIT_DONE) << info.err.toStdString();
        const QString lines[] = {"Title: MOBWRIGHT TEST IMAGE\n", QString("Header: ") + c.header,
                                 QString("ROM size: ") + c.romSize,
                                 QString("Copier header: ") + (c.size % 1024 ? "512" : "none"),
                                 "Checksum: stored "};
        for (const QString &line : lines)
            EXPECT_TRUE(info.out.contains(line)) << line.toStdString() << info.out.toStdString();
        const QJsonObject json =
            QJsonDocument::fromJson(
                RunCommand({"info", PathOf(image), "--format", "JSON"}).out.toUtf8())
                .object();
        EXPECT_EQ(json["headerOffset"].toInteger(), qint64{HeaderOffset(c.place)});
        EXPECT_EQ(json["fileSize"].toInteger(), qint64(c.size));
        EXPECT_EQ(json["copierHeader"].toBool(), c.size % 1024 != 0);
        EXPECT_EQ(json["checksumMatches"].toBool(), c.matching);
        const CommandRun checksum = RunCommand({"checksum", PathOf(image)});
        EXPECT_EQ(checksum.status, c.matching ? EXIT_DONE : EXIT_REFUSED);
        EXPECT_EQ(checksum.out.contains(": matches."), c.matching) << checksum.out.toStdString();
        // The complement must agree too.
        const std::uint8_t staleComplement[] = {0, 0};
        image.setBytes(HeaderOffset(c.place) + CHECKSUM_FIELD_OFFSET + c.size % 1024,
                       staleComplement);
        EXPECT_TRUE(RunCommand({"checksum", PathOf(image)}).out.contains("does not match"));
    }
}

TEST(InfoCommand, RefusesOptionsItDoesNotTakeAndAHeaderItCannotTrust)
{
    TestImage image(2048 * 1024);
    WriteCartridge(image, HeaderPlace::LoROM, true);
    const std::uint8_t noMapping[] = {0};
    for (const bool trusted : {true, false}) {
        const QStringList refused[] = {{"checksum", PathOf(image), "--dry-run"},
                                       {"checksum", PathOf(image), "--format", "json"},
                                       {"info", PathOf(image), "--format", "csv"},
                                       {"info", PathOf(image)},
                                       {"checksum", PathOf(image)},
                                       {"checksum", PathOf(image), "--fix"}};
        for (const QStringList &arguments : std::span(refused).first(trusted ? 3 : 6)) {
            const CommandRun run = RunCommand(arguments);
            EXPECT_EQ(run.status, EXIT_REFUSED) << arguments.join(' ').toStdString();
            EXPECT_TRUE(run.out.isEmpty() && !run.err.isEmpty()) << run.out.toStdString();
        }
        image.setBytes(HeaderOffset(HeaderPlace::LoROM) + 0x15, noMapping);
    }
    EXPECT_TRUE(RunCommand({"info", PathOf(image)})
                    .err.contains("trusted at LoROM 0x7FC0 and HiROM 0xFFC0."));
    EXPECT_TRUE(RunCommand({"checksum", PathOf(image), "--fix"})
                    .err.endsWith("HiROM 0xFFC0. Nothing was written.\n"));
    EXPECT_EQ(RunCommand({"info", PathOf(image) + ".missing"}).status, EXIT_FILE_FAILED);
}

// --fix writes the checksum that matches, checked here independently; it
// refuses, writing nothing, an image another process holds locked.
TEST(InfoCommand, FixWritesTheChecksumUnlessAnotherProcessHoldsTheImage)
{
    TestImage image(3072 * 1024 + 512);
    WriteCartridge(image, HeaderPlace::HiROM, false);
    const auto before = image.contents();
    QProcess editor;
    editor.start("sh",
                 {"-c", "exec 9<\"$0\"; flock -x 9; echo locked; exec sleep 30", PathOf(image)});
    editor.waitForReadyRead();
    ASSERT_TRUE(IsLockedByAnEditor(image.path()));
    const CommandRun locked = RunCommand({"checksum", PathOf(image), "--fix"});
    editor.kill();
    editor.waitForFinished();
    EXPECT_EQ(locked.status, EXIT_REFUSED);
    EXPECT_TRUE(locked.err.contains("holds it locked")) << locked.err.toStdString();
    EXPECT_TRUE(image.contents() == before);

    EXPECT_EQ(RunCommand({"checksum", PathOf(image), "--fix"}).status, EXIT_DONE);
    const auto fixed = image.contents();
    EXPECT_EQ(StoredChecksum(fixed, HeaderPlace::HiROM), PlainChecksum(fixed));
    EXPECT_EQ(RunCommand({"checksum", PathOf(image)}).status, EXIT_DONE);
    EXPECT_TRUE(RunCommand({"checksum", PathOf(image), "--fix"}).out.contains("nothing to write"));
    // Journaled as the window's writes are, as bytes outside the table.
    EXPECT_TRUE(RunCommand({"history", PathOf(image)})
                    .out.trimmed()
                    .endsWith("  Fix Checksum  bytes outside the enemy table"));
    // A patch made afterwards carries the four bytes, as any change.
    TestImage baseline(image.size());
    baseline.setBytes(0, before);
    const QString patch = PathOf(image) + ".ips";
    RunCommand({"diff", PathOf(baseline), PathOf(image), "-o", patch});
    QFile file(patch);
    file.open(QIODevice::ReadOnly);
    const QByteArray ips = file.readAll();
    EXPECT_TRUE(ApplyIps(baseline.contents(), {ips.begin(), ips.end()}) == fixed);
}

#include "EnemyRecord.h"
#include "ScratchHome.h"
#include "TestImage.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

#include <optional>
#include <random>

using namespace mobwright;
using mobwright::test::TestImage;

namespace {

// Every number field and the name's length hold the value of one apply.
bool IsWhole(const std::vector<std::uint8_t> &bytes)
{
    const auto record = EnemyRecord::fromBytes(std::span(bytes).first<ENEMY_RECORD_SIZE>());
    const std::uint32_t value = record.value(Field::HP);
    std::size_t nameLength = 0;
    while (nameLength < 25 && record.bytes(Field::Name)[nameLength] != 0)
        ++nameLength;
    bool whole = value == 0 || nameLength == value % 25 + 1;
    for (const FieldLayout &layout : EnemyLayout) {
        if (layout.encoding == Encoding::Number || layout.encoding == Encoding::TextAddress)
            whole = whole && record.value(layout.field) == value;
    }
    return whole;
}

// The one value that every number field of a record holds, or none when
// they differ: the tables imported below set them all alike.
std::optional<std::uint32_t> CommonValue(std::span<const std::uint8_t> bytes)
{
    const auto record = EnemyRecord::fromBytes(bytes.first<ENEMY_RECORD_SIZE>());
    std::optional<std::uint32_t> common;
    for (const FieldLayout &layout : EnemyLayout) {
        if (layout.encoding != Encoding::Number)
            continue;
        if (common && record.value(layout.field) != *common)
            return std::nullopt;
        common = record.value(layout.field);
    }
    return common;
}

// A table that sets every number field of every enemy to value.
QString WriteTable(const QDir &folder, int value)
{
    QStringList header{"Enemy"};
    for (const FieldLayout &layout : EnemyLayout) {
        if (layout.encoding == Encoding::Number)
            header.append(QString::fromLatin1(layout.key.data(), qsizetype(layout.key.size())));
    }
    QString csv = header.join(',') + '\n';
    QStringList cells(header.size(), QString::number(value));
    for (int k = 1; k <= ENEMY_COUNT; ++k) {
        cells[0] = QString::number(k);
        csv += cells.join(',') + '\n';
    }
    const QString path = folder.filePath(QStringLiteral("%1.csv").arg(value));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(csv.toUtf8());
    return path;
}

// Long enough for an editor built with the sanitizers, on a machine busy
// with other tests, to start or to end; a process that hangs takes forever.
constexpr int PatientMs = 30000;

QProcess *StartApplyLoop(QProcess &process, const TestImage &image, const test::ScratchHome &home)
{
    process.setProcessEnvironment(home.environment());
    process.start(QStringLiteral(APPLY_LOOP), {QString::fromStdString(image.path())});
    EXPECT_TRUE(process.waitForReadyRead(PatientMs)) << "the editor did not start applying";
    return &process;
}

// Runs "mobwright recover" on image with option, if any; gives its exit status.
int Recover(const TestImage &image, const test::ScratchHome &home, const QString &option)
{
    QProcess process;
    process.setProcessEnvironment(home.environment());
    QStringList arguments{"recover", QString::fromStdString(image.path())};
    if (!option.isEmpty())
        arguments.append(option);
    process.start(MOBWRIGHT_BINARY, arguments);
    EXPECT_TRUE(process.waitForFinished(PatientMs));
    return process.exitCode();
}

} // namespace

TEST(KillTest, NoKillLeavesHalfARecordAndATerminationEndsAfterTheApply)
{
    TestImage image;
    const test::ScratchHome home;
    std::mt19937 random(11);
    int applied = 0;
    for (int kill = 0; kill < 50; ++kill) {
        QProcess process;
        StartApplyLoop(process, image, home);
        QThread::usleep(std::uniform_int_distribution(0, 20000)(random));
        process.kill();
        process.waitForFinished();
        const auto record = image.recordBytes(5);
        ASSERT_TRUE(IsWhole(record)) << "torn after kill " << kill;
        applied += record[33] != 0;
    }
    EXPECT_GT(applied, 0);

    QProcess process;
    StartApplyLoop(process, image, home);
    process.terminate();
    ASSERT_TRUE(process.waitForFinished(PatientMs))
        << "still running; it said: " << process.readAllStandardError().toStdString();
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_TRUE(IsWhole(image.recordBytes(5)));
}

// A command-line import of the whole table killed at random moments, by
// SIGKILL or by SIGTERM, which is held back while it writes: each run moves
// the image from one table to the other, and no record is ever part of each.
// One killed between its journal entry and the image is settled by recover.
// The moments are drawn from the time an import takes from telling its
// changes to its end, and kills go on until one has landed in that window.
TEST(KillTest, AKilledImportLeavesEveryRecordAllOldOrAllNew)
{
    TestImage image;
    const test::ScratchHome home; // no user's labels
    const QDir folder(home.path());
    const QString tables[] = {WriteTable(folder, 17), WriteTable(folder, 34)};
    const QString told = folder.filePath("told");
    // Starts an import and returns once it has told its changes.
    const auto startImport = [&](QProcess &process, int kill) {
        QFile::remove(told);
        process.setProcessEnvironment(home.environment());
        process.setStandardOutputFile(told); // a pipe left unread would hold it up
        process.start(MOBWRIGHT_BINARY,
                      {"import", QString::fromStdString(image.path()), tables[kill % 2]});
        while (QFileInfo(told).size() == 0 && !process.waitForFinished(1))
            ;
    };
    QElapsedTimer clock;
    {
        QProcess whole;
        startImport(whole, 1);
        clock.start();
        ASSERT_TRUE(whole.waitForFinished(PatientMs));
    }
    const int writeUs = int(std::max<qint64>(clock.nsecsElapsed() / 1000, 1000));
    std::mt19937 random(5);
    int moved = 0;
    int recovered = 0;
    int kill = 0;
    auto before = image.contents();
    for (; kill < 30 || (recovered == 0 && kill < 300); ++kill) {
        QProcess process;
        startImport(process, kill);
        QThread::usleep(std::uniform_int_distribution(0, writeUs)(random));
        kill % 3 == 0 ? process.terminate() : process.kill();
        // It may have ended on its own before the signal.
        ASSERT_TRUE(process.state() == QProcess::NotRunning || process.waitForFinished(PatientMs));
        // A write killed after its journal entry is settled before the next import.
        if (Recover(image, home, {}) == 1) {
            ++recovered;
            ASSERT_EQ(Recover(image, home, kill % 2 ? "--finish" : "--roll-back"), 0);
            ASSERT_EQ(Recover(image, home, {}), 0);
        }
        const auto contents = image.contents();
        for (int k = 0; k < ENEMY_COUNT; ++k) {
            const auto value = CommonValue(std::span(contents).subspan(image.recordOffset(k)));
            ASSERT_TRUE(value == 0u || value == 17u || value == 34u)
                << "enemy " << k << " torn after kill " << kill;
        }
        moved += contents != before;
        before = contents;
    }
    EXPECT_GT(moved, 0) << "no import got as far as writing";
    EXPECT_LT(moved, kill) << "no import was stopped before it wrote";
    EXPECT_GT(recovered, 0) << "no import was stopped between its journal and the image";
}

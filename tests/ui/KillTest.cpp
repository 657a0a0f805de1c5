#include "EnemyRecord.h"
#include "TestImage.h"

#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <random>

using namespace mobwright;
using mobwright::test::TestImage;

namespace {

// Every number field and the name's length hold the value of one apply.
bool IsWhole(const std::vector<std::uint8_t> &bytes)
{
    const auto record = EnemyRecord::FromBytes(std::span(bytes).first<ENEMY_RECORD_SIZE>());
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

QProcess *StartApplyLoop(QProcess &process, const TestImage &image)
{
    process.start(QStringLiteral(APPLY_LOOP), {QString::fromStdString(image.path())});
    EXPECT_TRUE(process.waitForReadyRead(10000)) << "the editor did not start applying";
    return &process;
}

} // namespace

TEST(KillTest, NoKillLeavesHalfARecordAndATerminationEndsAfterTheApply)
{
    TestImage image;
    std::mt19937 random(11);
    int applied = 0;
    for (int kill = 0; kill < 50; ++kill) {
        QProcess process;
        StartApplyLoop(process, image);
        QThread::usleep(std::uniform_int_distribution(0, 20000)(random));
        process.kill();
        process.waitForFinished();
        const auto record = image.recordBytes(5);
        ASSERT_TRUE(IsWhole(record)) << "torn after kill " << kill;
        applied += record[33] != 0;
    }
    EXPECT_GT(applied, 0);

    QProcess process;
    StartApplyLoop(process, image);
    process.terminate();
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_TRUE(IsWhole(image.recordBytes(5)));
}

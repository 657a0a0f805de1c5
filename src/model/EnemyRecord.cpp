#include "EnemyRecord.h"

#include "RecordCursor.h"
#include "RomFile.h"

#include <vector>

namespace mobwright {
namespace {

// A stretch of adjacent fields, transferred in one call.
struct Run
{
    int offset;
    int width;
    bool isName;
};

// The fields in record order, adjacent ones joined; the name stands alone,
// since it is reached by its absolute offset rather than through the cursor.
std::vector<Run> FieldRuns()
{
    std::vector<Run> runs;
    for (const FieldLayout &layout : EnemyLayout) {
        const bool isName = layout.encoding == Encoding::GameText;
        if (!isName && !runs.empty() && !runs.back().isName &&
            runs.back().offset + runs.back().width == layout.offset)
            runs.back().width += layout.width;
        else
            runs.push_back({layout.offset, layout.width, isName});
    }
    return runs;
}

// Walks the runs in record order; the cursor steps over untouched bytes.
template<typename NameTransfer, typename RunTransfer>
void WalkRecord(RecordCursor &cursor, NameTransfer transferName, RunTransfer transferRun)
{
    static const std::vector<Run> runs = FieldRuns();
    cursor.setPosition(0);
    for (const Run &run : runs) {
        if (run.isName) {
            transferName(cursor.fileOffset(run.offset), run);
            continue;
        }
        cursor.advance(run.offset - cursor.position());
        transferRun(run);
    }
}

} // namespace

std::uint32_t EnemyRecord::value(Field field) const
{
    std::uint32_t result = 0;
    const auto fieldBytes = bytes(field);
    for (std::size_t i = fieldBytes.size(); i-- > 0;)
        result = (result << 8) | fieldBytes[i];
    return result;
}

void EnemyRecord::setValue(Field field, std::uint32_t value)
{
    for (std::uint8_t &b : bytes(field)) {
        b = static_cast<std::uint8_t>(value & 0xFF);
        value >>= 8;
    }
}

std::span<const std::uint8_t> EnemyRecord::bytes(Field field) const
{
    return const_cast<EnemyRecord *>(this)->bytes(field);
}

std::span<std::uint8_t> EnemyRecord::bytes(Field field)
{
    const FieldLayout &layout = LayoutOf(field);
    return bytes(layout.offset, layout.width);
}

std::span<const std::uint8_t> EnemyRecord::bytes(int offset, int width) const
{
    return const_cast<EnemyRecord *>(this)->bytes(offset, width);
}

std::span<std::uint8_t> EnemyRecord::bytes(int offset, int width)
{
    return std::span(bytes_).subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(width));
}

EnemyRecord ReadEnemyRecord(RecordCursor &cursor)
{
    EnemyRecord record;
    WalkRecord(
        cursor,
        [&](std::uint32_t offset, const Run &run) {
            cursor.rom().ReadRomBytes(offset, record.bytes(run.offset, run.width));
        },
        [&](const Run &run) { cursor.ReadRecordBytes(record.bytes(run.offset, run.width)); });
    return record;
}

void WriteEnemyRecord(RecordCursor &cursor, const EnemyRecord &record)
{
    WalkRecord(
        cursor,
        [&](std::uint32_t offset, const Run &run) {
            cursor.rom().WriteRomBytes(offset, record.bytes(run.offset, run.width));
        },
        [&](const Run &run) { cursor.WriteRecordBytes(record.bytes(run.offset, run.width)); });
}

} // namespace mobwright

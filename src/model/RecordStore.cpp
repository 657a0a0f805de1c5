#include "RecordStore.h"

#include "RecordDifferences.h"
#include "RomError.h"
#include "RomFile.h"

#include <algorithm>

namespace mobwright {
namespace {

using Span = std::span<const std::uint8_t>;

std::size_t SpanOffset(int first, int index)
{
    return static_cast<std::size_t>(index - first) * ENEMY_RECORD_SIZE;
}

WriteOutcome Refusal(WriteOutcome outcome, WriteOutcome::Cause cause, std::string reason = {})
{
    outcome.kind = WriteOutcome::Kind::NothingWritten;
    outcome.cause = cause;
    outcome.reason = std::move(reason);
    return outcome;
}

// Sorts the enemies a write of written bytes of the span left new, cut or old.
void TellShortWrite(WriteOutcome &outcome, const std::vector<RecordWrite> &writes, int first,
                    std::size_t written)
{
    for (const RecordWrite &write : writes) {
        const std::size_t start = SpanOffset(first, write.index);
        if (start + ENEMY_RECORD_SIZE <= written) {
            outcome.whole.push_back(write.index);
        } else if (start < written) {
            outcome.cut = write.index;
            outcome.cutBytes = static_cast<int>(written - start);
        } else {
            outcome.untouched.push_back(write.index);
        }
    }
}

} // namespace

RecordWrite Reversed(const RecordWrite &write)
{
    return {write.index, write.after, write.before};
}

std::vector<EnemyRecord> ReadRecords(RomFile &rom, int first, int last)
{
    if (first < 0 || last >= ENEMY_COUNT || first > last)
        throw RomError("There are no enemies " + std::to_string(first + 1) + " to " +
                       std::to_string(last + 1) + ".");
    std::vector<std::uint8_t> bytes(SpanOffset(first, last + 1));
    rom.read(EnemyRecordOffset(rom.tableOffset(), first), bytes);
    std::vector<EnemyRecord> records;
    records.reserve(static_cast<std::size_t>(last - first + 1));
    for (int k = first; k <= last; ++k)
        records.push_back(EnemyRecord::fromBytes(
            Span(bytes).subspan(SpanOffset(first, k)).first<ENEMY_RECORD_SIZE>()));
    return records;
}

std::vector<EnemyRecord> ReadAllRecords(RomFile &rom)
{
    return ReadRecords(rom, 0, ENEMY_COUNT - 1);
}

WriteOutcome WriteRecords(RomFile &rom, std::vector<RecordWrite> writes, bool sync)
{
    return WriteImage(rom, {std::move(writes), {}}, sync);
}

ImageWrite Reversed(const ImageWrite &write)
{
    ImageWrite back;
    for (const RecordWrite &record : write.records)
        back.records.push_back(Reversed(record));
    for (const BytesWrite &bytes : write.bytes)
        back.bytes.push_back({bytes.offset, bytes.after, bytes.before});
    return back;
}

WriteOutcome WriteImage(RomFile &rom, ImageWrite change, bool sync)
{
    WriteOutcome outcome;
    outcome.image = rom.path();
    if (change.empty())
        return outcome;
    std::vector<RecordWrite> &writes = change.records;
    std::sort(writes.begin(), writes.end(),
              [](const RecordWrite &a, const RecordWrite &b) { return a.index < b.index; });
    const int first = writes.empty() ? 0 : writes.front().index;
    const int last = writes.empty() ? -1 : writes.back().index;
    std::vector<std::uint8_t> span;
    std::vector<std::vector<std::uint8_t>> found(change.bytes.size());
    try {
        switch (rom.changeSinceOpened()) {
        case RomFile::Change::Replaced:
            return Refusal(outcome, WriteOutcome::Cause::Replaced);
        case RomFile::Change::Resized:
            outcome.sizeThen = rom.openedSize();
            outcome.sizeNow = rom.currentSize();
            return Refusal(outcome, WriteOutcome::Cause::Resized);
        case RomFile::Change::None:
            break;
        }
        span.resize(SpanOffset(first, last + 1));
        if (!writes.empty())
            rom.read(EnemyRecordOffset(rom.tableOffset(), first), span);
        for (std::size_t k = 0; k < found.size(); ++k) {
            found[k].resize(change.bytes[k].before.size());
            rom.read(change.bytes[k].offset, found[k]);
        }
    } catch (const RomError &error) {
        return Refusal(outcome, WriteOutcome::Cause::Failed, error.what());
    }

    for (const RecordWrite &write : writes) {
        const auto stored = std::span(span).subspan(SpanOffset(first, write.index), ENEMY_RECORD_SIZE);
        if (!std::ranges::equal(stored, write.before.allBytes())) {
            outcome.changedBehind.push_back(write.index);
            outcome.changedParts[write.index] =
                DifferingParts(write.before, EnemyRecord::fromBytes(std::span<const std::uint8_t>(stored).first<ENEMY_RECORD_SIZE>()));
        }
        std::ranges::copy(write.after.allBytes(), stored.begin());
    }
    for (std::size_t k = 0; k < found.size(); ++k) {
        if (found[k] != change.bytes[k].before)
            outcome.bytesChangedBehind.push_back(change.bytes[k].offset);
    }
    if (!outcome.changedBehind.empty() || !outcome.bytesChangedBehind.empty())
        return Refusal(outcome, WriteOutcome::Cause::ChangedBehind);

    // Where a write fails: before any byte is new, nothing was written.
    const auto failed = [&](const RomError &error, std::size_t written, std::size_t unwritten) {
        const bool anyWritten = written > 0 || !writes.empty() || unwritten > 0;
        if (!anyWritten)
            return Refusal(outcome, WriteOutcome::Cause::Failed, error.what());
        outcome.kind = WriteOutcome::Kind::ShortWrite;
        outcome.reason = error.what();
        for (std::size_t k = unwritten; k < change.bytes.size(); ++k)
            outcome.bytesNotWritten.push_back(change.bytes[k].offset);
        return outcome;
    };
    if (!writes.empty()) {
        try {
            rom.write(EnemyRecordOffset(rom.tableOffset(), first), span);
        } catch (const RomWriteError &error) {
            if (error.written() == 0)
                return Refusal(outcome, WriteOutcome::Cause::Failed, error.what());
            TellShortWrite(outcome, writes, first, error.written());
            return failed(error, error.written(), 0);
        } catch (const RomError &error) {
            return Refusal(outcome, WriteOutcome::Cause::Failed, error.what());
        }
    }
    for (std::size_t k = 0; k < change.bytes.size(); ++k) {
        try {
            rom.write(change.bytes[k].offset, change.bytes[k].after);
        } catch (const RomError &error) {
            const auto *cut = dynamic_cast<const RomWriteError *>(&error);
            TellShortWrite(outcome, writes, first, span.size());
            return failed(error, cut ? cut->written() : 0, k);
        }
    }
    outcome.kind = WriteOutcome::Kind::Written;
    if (!sync)
        return outcome;
    try {
        rom.sync();
    } catch (const RomError &error) {
        outcome.kind = WriteOutcome::Kind::NotSynced;
        outcome.reason = error.what();
    }
    return outcome;
}

} // namespace mobwright

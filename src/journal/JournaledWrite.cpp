#include "JournaledWrite.h"

#include "RomFile.h"

#include <chrono>

namespace mobwright {
namespace {

OriginalTable TableNow(RomFile &rom)
{
    OriginalTable table{rom.tableOffset(), std::vector<std::uint8_t>(ENEMY_TABLE_SIZE)};
    rom.read(rom.tableOffset(), table.bytes);
    return table;
}

JournalEntry EntryOf(const RomFile &rom, const ImageWrite &change, const std::string &step)
{
    JournalEntry entry;
    entry.time = std::chrono::duration_cast<std::chrono::milliseconds>(
                     std::chrono::system_clock::now().time_since_epoch())
                     .count();
    entry.step = step;
    for (const RecordWrite &write : change.records) {
        entry.enemies.push_back(write.index);
        const auto before = write.before.allBytes();
        const auto after = write.after.allBytes();
        entry.spans.push_back({EnemyRecordOffset(rom.tableOffset(), write.index),
                               {before.begin(), before.end()},
                               {after.begin(), after.end()}});
    }
    for (const BytesWrite &bytes : change.bytes)
        entry.spans.push_back({bytes.offset, bytes.before, bytes.after});
    return entry;
}

} // namespace

WriteOutcome JournaledWrite(Journal *journal, RomFile &rom, const ImageWrite &change,
                            const std::string &step, bool sync,
                            std::optional<std::uint64_t> settles)
{
    if (!journal || change.empty())
        return WriteImage(rom, change, sync);
    std::uint64_t sequence = 0;
    try {
        if (!journal->original())
            journal->keepOriginal(TableNow(rom));
        sequence = journal->begin(EntryOf(rom, change, step), settles, sync);
    } catch (const std::runtime_error &error) { // the journal's, or reading the table
        WriteOutcome outcome;
        outcome.image = rom.path();
        outcome.kind = WriteOutcome::Kind::NothingWritten;
        outcome.cause = WriteOutcome::Cause::Failed;
        outcome.reason = std::string("Its journal could not be written first: ") + error.what();
        return outcome;
    }
    WriteOutcome outcome = WriteImage(rom, change, sync);
    if (outcome.kind == WriteOutcome::Kind::Written)
        journal->finish(sequence, EntryMark::Written);
    else if (outcome.kind == WriteOutcome::Kind::NothingWritten)
        journal->finish(sequence, EntryMark::NothingWritten);
    return outcome;
}

} // namespace mobwright

#include "Recovery.h"

#include "HexText.h"
#include "JournaledWrite.h"
#include "RecordDifferences.h"
#include "RomFile.h"

#include <algorithm>
#include <set>

namespace mobwright {
namespace {

// How the bytes a write changes stand in the image now.
struct Tally
{
    int changed = 0;
    int fresh = 0;
    int old = 0;
    int neither = 0;
};

void Count(Tally &tally, std::uint8_t before, std::uint8_t after, std::uint8_t now)
{
    if (before == after)
        return;
    ++tally.changed;
    ++(now == after ? tally.fresh : now == before ? tally.old : tally.neither);
}

WriteHolds Verdict(const Tally &tally)
{
    if (tally.neither > 0)
        return WriteHolds::Other;
    if (tally.fresh == tally.changed)
        return WriteHolds::New;
    return tally.old == tally.changed ? WriteHolds::Old : WriteHolds::Mixed;
}

std::optional<int> EnemyAt(const RomFile &rom, std::uint64_t offset)
{
    if (offset < rom.tableOffset() || offset >= rom.tableOffset() + ENEMY_TABLE_SIZE)
        return std::nullopt;
    return int((offset - rom.tableOffset()) / ENEMY_RECORD_SIZE);
}

std::vector<std::string> InBoth(const std::vector<std::string> &one,
                                const std::vector<std::string> &other)
{
    std::vector<std::string> both;
    std::ranges::copy_if(one, std::back_inserter(both), [&other](const std::string &part) {
        return std::ranges::count(other, part) > 0;
    });
    return both;
}

const char *Told(WriteHolds holds)
{
    switch (holds) {
    case WriteHolds::New:
        return "Written whole";
    case WriteHolds::Mixed:
        return "Cut part way";
    case WriteHolds::Old:
        return "Still as before";
    case WriteHolds::Other:
        break;
    }
    return "Changed by another program since";
}

} // namespace

WriteHolds Recovery::overall() const
{
    std::set<WriteHolds> seen;
    for (const auto &part : enemies)
        seen.insert(part.second);
    for (const auto &part : outside)
        seen.insert(part.second);
    if (seen.contains(WriteHolds::Other))
        return WriteHolds::Other;
    return seen.size() > 1 ? WriteHolds::Mixed : seen.empty() ? WriteHolds::New : *seen.begin();
}

std::string Recovery::message() const
{
    std::string text = "The write \"" + entry.step + "\" into \"" + image + "\" was not finished.";
    for (const WriteHolds holds :
         {WriteHolds::New, WriteHolds::Mixed, WriteHolds::Old, WriteHolds::Other}) {
        std::vector<int> listed;
        for (const auto &[enemy, held] : enemies)
            if (held == holds)
                listed.push_back(enemy);
        const auto parts = [this](int enemy) {
            const auto found = otherParts.find(enemy);
            std::string named;
            for (const std::string &part :
                 found == otherParts.end() ? std::vector<std::string>{} : found->second)
                named += (named.empty() ? " (" : ", ") + part;
            return named.empty() ? named : named + ")";
        };
        if (!listed.empty())
            text += std::string(" ") + Told(holds) + ": " + EnemyList(listed, parts) + ".";
    }
    for (const auto &[offset, holds] : outside)
        text += " The bytes at 0x" + HexDigits(offset) + ": " + Told(holds) + ".";
    return text;
}

Recovery Recover(const JournalEntry &entry, RomFile &rom)
{
    Recovery recovery{entry, rom.path()};
    const std::vector<EnemyRecord> records = ReadAllRecords(rom);
    std::map<int, Tally> tallies;
    std::map<std::uint64_t, Tally> outside;
    std::map<int, std::pair<EnemyRecord, EnemyRecord>> targets; // all new, all old
    for (const JournalSpan &span : entry.spans) {
        std::vector<std::uint8_t> now(span.before.size());
        rom.read(std::uint32_t(span.offset), now);
        for (std::size_t i = 0; i < now.size(); ++i) {
            const std::uint64_t offset = span.offset + i;
            const std::optional<int> enemy = EnemyAt(rom, offset);
            Count(enemy ? tallies[*enemy] : outside[span.offset], span.before[i], span.after[i],
                  now[i]);
            if (!enemy)
                continue;
            const EnemyRecord &stored = records[std::size_t(*enemy)];
            auto &[fresh, old] = targets.try_emplace(*enemy, stored, stored).first->second;
            const int at = int(offset - EnemyRecordOffset(rom.tableOffset(), *enemy));
            fresh.bytes(at, 1)[0] = span.after[i];
            old.bytes(at, 1)[0] = span.before[i];
        }
    }
    for (const auto &[offset, tally] : outside)
        recovery.outside[offset] = Verdict(tally);
    for (const auto &[enemy, tally] : tallies) {
        const WriteHolds holds = recovery.enemies[enemy] = Verdict(tally);
        const EnemyRecord &now = records[std::size_t(enemy)];
        const auto &[fresh, old] = targets.at(enemy);
        if (holds == WriteHolds::Other)
            recovery.otherParts[enemy] =
                InBoth(DifferingParts(fresh, now), DifferingParts(old, now));
        else if (holds != WriteHolds::New)
            recovery.finishing.push_back({enemy, now, fresh});
        if (holds == WriteHolds::New || holds == WriteHolds::Mixed)
            if (old != now)
                recovery.rollingBack.push_back({enemy, now, old});
    }
    return recovery;
}

WriteOutcome Settle(Journal &journal, RomFile &rom, const Recovery &recovery, Settlement how,
                    bool sync)
{
    const bool finishing = how == Settlement::Finish;
    const std::vector<RecordWrite> &writes = finishing ? recovery.finishing : recovery.rollingBack;
    if (how != Settlement::Leave && !writes.empty())
        return JournaledWrite(&journal, rom, {writes, {}},
                              (finishing ? "Finish \"" : "Roll back \"") + recovery.entry.step +
                                  "\"",
                              sync, recovery.entry.sequence);
    WriteOutcome outcome;
    outcome.image = rom.path();
    // The mark says what the image holds, once that is on the disk: the
    // write it tells of may not have been synced.
    const WriteHolds holds = recovery.overall();
    try {
        if (sync)
            rom.sync();
        journal.settle(holds == WriteHolds::New   ? EntryMark::Written
                       : holds == WriteHolds::Old ? EntryMark::NothingWritten
                                                  : EntryMark::Left);
    } catch (const std::runtime_error &error) { // the image's or the journal's
        outcome.kind = WriteOutcome::Kind::NothingWritten;
        outcome.cause = WriteOutcome::Cause::Failed;
        outcome.reason = error.what();
    }
    return outcome;
}

} // namespace mobwright

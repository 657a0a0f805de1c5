#include "SessionJournal.h"

#include "JournalFolder.h"
#include "JournalRevert.h"
#include "JournaledWrite.h"
#include "RomError.h"
#include "RomFile.h"

#include <algorithm>
#include <iterator>

namespace mobwright {
namespace {

const char TURN_OFF[] = " To write without a journal, turn it off: File › Journal Every Write.";

} // namespace

SessionJournal::SessionJournal()
    : finder_([](RomFile &rom, const QString &folder) {
        return JournalFolder(folder).journalFor(rom).journal;
    })
{
}

QString SessionJournal::folder() const
{
    return folder_.isEmpty() ? JournalFolder::DefaultPath() : folder_;
}

void SessionJournal::find(RomFile &rom)
{
    forget();
    if (!enabled_)
        return;
    try {
        journal_ = finder_(rom, folder());
    } catch (const std::runtime_error &error) { // the journal's, or reading the image
        problem_ = error.what();
    }
}

void SessionJournal::forget()
{
    journal_.reset();
    problem_.clear();
}

std::optional<Recovery> SessionJournal::unfinished(RomFile &rom) const
{
    if (!journal_ || !journal_->unfinished())
        return std::nullopt;
    return Recover(*journal_->unfinished(), rom);
}

WriteOutcome SessionJournal::settle(RomFile &rom, Settlement how, bool sync)
{
    const std::optional<Recovery> recovery = unfinished(rom);
    return recovery ? Settle(*journal_, rom, *recovery, how, sync) : WriteOutcome{};
}

std::vector<RecordWrite> SessionJournal::revertWrites(RomFile &rom,
                                                      std::optional<std::uint64_t> to) const
{
    if (!journal_)
        throw JournalError(problem_.empty() ? "The image has no journal of its writes."
                                            : problem_);
    return RevertWrites(*journal_, rom, to);
}

void SessionJournal::beginSession()
{
    sessionStart_ = journal_ && !journal_->entries().empty() ? journal_->entries().back().sequence : 0;
}

std::vector<JournalEntry> SessionJournal::earlierWrites() const
{
    std::vector<JournalEntry> earlier;
    if (journal_)
        std::ranges::copy_if(journal_->entries(), std::back_inserter(earlier),
                             [this](const JournalEntry &entry) { return entry.sequence <= sessionStart_; });
    return earlier;
}

std::vector<RecordWrite> SessionJournal::undoWrites(RomFile &rom, std::uint64_t sequence) const
{
    // Back to where the write before it left the table, or to the original.
    std::optional<std::uint64_t> before;
    if (journal_)
        for (const JournalEntry &entry : journal_->entries())
            if (entry.sequence < sequence)
                before = entry.sequence;
    return revertWrites(rom, before);
}

const OriginalTable &SessionJournal::original() const
{
    if (!enabled_)
        throw RomError("The journal of writes is turned off: turn it on (File › Journal Every "
                       "Write) to compare with the original table it keeps.");
    if (!journal_)
        throw RomError(problem_.empty() ? "Open an image first." : problem_);
    if (!journal_->original())
        throw RomError("Mobwright has not written into this image yet, so it holds its original "
                       "table as it is.");
    return *journal_->original();
}

WriteOutcome SessionJournal::write(RomFile &rom, const ImageWrite &change, const std::string &step,
                                   bool sync)
{
    if (!enabled_)
        return WriteImage(rom, change, sync);
    if (problem_.empty()) {
        // A write of this session cut short or not synced: the views show
        // what the image holds of it, and the journal says so.
        try {
            settle(rom, Settlement::Leave, sync);
        } catch (const std::runtime_error &) {
            // The image cannot be read: the journal refuses the write below.
        }
        WriteOutcome outcome = JournaledWrite(journal_.get(), rom, change, step, sync);
        // Refused for its journal: say how to write without one.
        if (outcome.kind == WriteOutcome::Kind::NothingWritten &&
            outcome.reason.starts_with("Its journal could not be written first"))
            outcome.reason += TURN_OFF;
        return outcome;
    }
    WriteOutcome refused;
    refused.image = rom.path();
    refused.kind = WriteOutcome::Kind::NothingWritten;
    refused.cause = WriteOutcome::Cause::Failed;
    refused.reason = problem_ + TURN_OFF;
    return refused;
}

} // namespace mobwright

// The session's journal of writes: turned on and off, a cut write settled,
// earlier writes undone or reverted, and the original table as a baseline.
#include "ImageSession.h"

namespace mobwright {

void ImageSession::compareWithOriginal()
{
    baseline_ = std::make_unique<Baseline>(rom_.path(), journal_.original());
    emit baselineChanged();
}

void ImageSession::setJournalEnabled(bool enabled)
{
    journal_.setEnabled(enabled);
    if (isOpen()) {
        journal_.find(rom_);
        journal_.beginSession();
    } else
        journal_.forget();
}

std::optional<Recovery> ImageSession::unfinishedWrite()
{
    return isOpen() ? journal_.unfinished(rom_) : std::nullopt;
}

WriteOutcome ImageSession::settleUnfinished(Settlement how)
{
    const WriteOutcome outcome = journal_.settle(rom_, how, sync_);
    readTableAgain();
    return outcome;
}

WriteOutcome ImageSession::undoEarlierWrite(std::uint64_t sequence, const QString &what)
{
    return writeChanges(journal_.undoWrites(rom_, sequence), what);
}

WriteOutcome ImageSession::revertJournaled(std::optional<std::uint64_t> to, const QString &what)
{
    return writeChanges(journal_.revertWrites(rom_, to), what);
}

} // namespace mobwright

#include "HistorySteps.h"

#include <QCoreApplication>

#include <utility>

namespace mobwright {
namespace {

constexpr int PENDING_STEP_ID = 1;

template <typename Map> std::vector<int> Keys(const Map &map)
{
    std::vector<int> keys;
    for (const auto &entry : map)
        keys.push_back(entry.first);
    return keys;
}

} // namespace

SessionStep::SessionStep(StepTarget &target, const QString &what)
    : QUndoCommand(what)
    , target_(target)
{
}

PendingStep::PendingStep(StepTarget &target, Records before, Records after, const QString &what,
                         int mergeKey)
    : SessionStep(target, what)
    , before_(std::move(before))
    , after_(std::move(after))
    , mergeKey_(mergeKey)
{
}

std::vector<int> PendingStep::enemies() const
{
    return Keys(after_);
}

int PendingStep::id() const
{
    return mergeKey_ >= 0 ? PENDING_STEP_ID : -1;
}

bool PendingStep::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const PendingStep *>(other);
    if (next->mergeKey_ != mergeKey_)
        return false;
    after_ = next->after_;
    setObsolete(after_ == before_);
    return true;
}

void PendingStep::redo()
{
    set(after_);
}

void PendingStep::undo()
{
    set(before_);
}

void PendingStep::set(const Records &records)
{
    for (const auto &[index, record] : records)
        target_.restorePending(index, record);
}

WriteStep::WriteStep(StepTarget &target, ImageWrite write, std::map<int, PendingRecord> written,
                     const QString &what, WriteOutcome &first)
    : SessionStep(target, what)
    , write_(std::move(write))
    , written_(std::move(written))
    , first_(&first)
{
}

std::vector<int> WriteStep::enemies() const
{
    std::vector<int> indexes;
    for (const RecordWrite &record : write_.records)
        indexes.push_back(record.index);
    return indexes;
}

bool WriteStep::writeAll(const ImageWrite &change, const QString &step)
{
    // Put back after a failed write, the step finds the file as it was.
    if (std::exchange(failed_, false)) {
        outcome_ = {};
        return false;
    }
    outcome_ = target_.write(change, step);
    failed_ = !outcome_.wroteAll();
    return !failed_;
}

void WriteStep::redo()
{
    const bool written = writeAll(write_, text());
    if (first_) {
        *std::exchange(first_, nullptr) = outcome_;
        setObsolete(!written);
    }
}

void WriteStep::undo()
{
    if (!writeAll(Reversed(write_), QCoreApplication::translate("HistorySteps", "Undo %1").arg(text())))
        return;
    // The edits it wrote are pending again, with any made since on top.
    for (const auto &[index, record] : written_) {
        const PendingRecord *since = target_.pendingOf(index);
        target_.restorePending(index, since ? record.withEditsOf(*since) : record);
    }
}

} // namespace mobwright

#include "HistorySteps.h"

#include "ImageSession.h"

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

SessionStep::SessionStep(ImageSession &session, const QString &what)
    : QUndoCommand(what)
    , session_(session)
{
}

PendingStep::PendingStep(ImageSession &session, Records before, Records after,
                         const QString &what, int mergeKey)
    : SessionStep(session, what)
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
        session_.restorePending(index, record);
}

WriteStep::WriteStep(ImageSession &session, std::vector<RecordWrite> writes,
                     std::map<int, PendingRecord> written, const QString &what)
    : SessionStep(session, what)
    , writes_(std::move(writes))
    , written_(std::move(written))
{
}

std::vector<int> WriteStep::enemies() const
{
    std::vector<int> indexes;
    for (const RecordWrite &write : writes_)
        indexes.push_back(write.index);
    return indexes;
}

void WriteStep::redo()
{
    if (session_.restoringHistory())
        return;
    // A first write that fails never enters the history.
    if (!session_.write(writes_).wroteAll()) {
        if (pushed_)
            session_.stepFailed();
        else
            setObsolete(true);
    }
    pushed_ = true;
}

void WriteStep::undo()
{
    if (session_.restoringHistory())
        return;
    std::vector<RecordWrite> back;
    for (const RecordWrite &write : writes_)
        back.push_back(Reversed(write));
    if (!session_.write(back).wroteAll()) {
        session_.stepFailed();
        return;
    }
    // The edits it wrote are pending again, with any made since on top.
    for (const auto &[index, record] : written_) {
        const PendingRecord *since = session_.pendingOf(index);
        session_.restorePending(index, since ? record.withEditsOf(*since) : record);
    }
}

} // namespace mobwright

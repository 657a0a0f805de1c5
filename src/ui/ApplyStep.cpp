#include "ApplyStep.h"

namespace mobwright {

ApplyStep::ApplyStep(std::vector<RecordWrite> writes, const QString &what, Show show)
    : QUndoCommand(what)
    , writes_(std::move(writes))
    , show_(std::move(show))
{
}

std::vector<RecordWrite> ApplyStep::changes(bool undoing) const
{
    if (!undoing)
        return writes_;
    std::vector<RecordWrite> back;
    back.reserve(writes_.size());
    for (const RecordWrite &write : writes_)
        back.push_back(Reversed(write));
    return back;
}

void ApplyStep::undo()
{
    show_(changes(true));
}

void ApplyStep::redo()
{
    if (std::exchange(pushed_, true))
        show_(writes_);
}

} // namespace mobwright

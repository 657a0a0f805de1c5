// The session's history: write steps pushed onto it, and moves through it.
#include "ImageSession.h"

#include "ChecksumWrite.h"
#include "HistorySteps.h"

#include <algorithm>
#include <memory>

namespace mobwright {

WriteOutcome ImageSession::pushWrite(ImageWrite change, std::map<int, PendingRecord> written,
                                     const QString &what)
{
    if (keepChecksum_ && change.bytes.empty()) {
        auto fix = ChecksumWrite(rom_, change.records);
        if (auto *bytes = std::get_if<BytesWrite>(&fix); bytes && bytes->before != bytes->after)
            change.bytes.push_back(std::move(*bytes));
    }
    WriteOutcome first;
    // The stack owns the step once pushed; a write that throws leaves it here.
    std::unique_ptr<WriteStep> step(
        new WriteStep(*this, std::move(change), std::move(written), what, first));
    history_.push(step.get());
    step.release();
    // A first write that fails takes no step, but takes the steps to redo.
    if (!first.wroteAll())
        emit historyChanged();
    return first;
}

WriteOutcome ImageSession::undo()
{
    return moveHistory(true);
}

WriteOutcome ImageSession::redo()
{
    return moveHistory(false);
}

// Undoes or redoes step by step; stops at a step whose write fails.
WriteOutcome ImageSession::goToStep(int done)
{
    done = std::clamp(done, 0, history_.count());
    WriteOutcome last;
    while (history_.index() != done) {
        const int before = history_.index();
        WriteOutcome outcome = moveHistory(done < before);
        if (history_.index() == before)
            return outcome;
        if (outcome.kind != WriteOutcome::Kind::Nothing)
            last = std::move(outcome);
    }
    return last;
}

// A step whose write fails is put back where it was, to be tried again.
WriteOutcome ImageSession::moveHistory(bool undoing)
{
    const int index = history_.index();
    if (undoing ? !history_.canUndo() : !history_.canRedo())
        return {};
    const auto *step =
        static_cast<const SessionStep *>(history_.command(undoing ? index - 1 : index));
    if (undoing)
        history_.undo();
    else
        history_.redo();
    const WriteOutcome outcome = step->outcome();
    if (step->failed()) {
        history_.setIndex(index);
    } else {
        const std::vector<int> enemies = step->enemies();
        emit steppedOver(QList<int>(enemies.begin(), enemies.end()));
    }
    return outcome;
}

} // namespace mobwright

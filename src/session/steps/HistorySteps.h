#pragma once

#include "StepTarget.h"

#include <QUndoCommand>

#include <map>
#include <vector>

namespace mobwright {

// A step of the session's history, over the enemies it names. It keeps what
// its last redo or undo wrote; one whose write failed is put back where it
// was by the history, and takes no action then.
class SessionStep : public QUndoCommand
{
public:
    SessionStep(StepTarget &target, const QString &what);
    virtual std::vector<int> enemies() const = 0;
    const WriteOutcome &outcome() const { return outcome_; }
    bool failed() const { return failed_; }

protected:
    StepTarget &target_;
    WriteOutcome outcome_;
    bool failed_ = false;
};

// Pending edits of enemies replaced: a cell edit, a paste, a revert. Each
// record it keeps holds the bytes its edits were made on; when another
// program has changed those since, undo and redo merge the record onto what
// the file holds, so that no step takes back the other program's changes.
class PendingStep : public SessionStep
{
public:
    using Records = std::map<int, PendingRecord>;

    // mergeKey: steps with the same key, one after another, become one.
    PendingStep(StepTarget &target, Records before, Records after, const QString &what,
                int mergeKey = -1);

    std::vector<int> enemies() const override;
    int id() const override;
    bool mergeWith(const QUndoCommand *other) override;
    void redo() override;
    void undo() override;

private:
    void set(const Records &records);

    Records before_;
    Records after_;
    int mergeKey_;
};

// Records (and the header's checksum with them, or alone) written into the
// image: redo writes them, undo writes them back, each through the session's
// one write path, which refuses a record or bytes that another program
// changed since. The pending edits a write takes in come
// back when it is undone.
class WriteStep : public SessionStep
{
public:
    // first: what the first write does. A step whose first write fails
    // never enters the history, and the history deletes it at once.
    WriteStep(StepTarget &target, ImageWrite write, std::map<int, PendingRecord> written,
              const QString &what, WriteOutcome &first);

    std::vector<int> enemies() const override;
    void redo() override;
    void undo() override;

private:
    // Writes change as step; false when not all was written.
    bool writeAll(const ImageWrite &change, const QString &step);

    ImageWrite write_;
    std::map<int, PendingRecord> written_;
    WriteOutcome *first_;
};

} // namespace mobwright

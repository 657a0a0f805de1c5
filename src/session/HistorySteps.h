#pragma once

#include "PendingEdits.h"
#include "RecordStore.h"

#include <QUndoCommand>

#include <map>
#include <vector>

namespace mobwright {

class ImageSession;

// A step of the session's history, over the enemies it names.
class SessionStep : public QUndoCommand
{
public:
    SessionStep(ImageSession &session, const QString &what);
    virtual std::vector<int> enemies() const = 0;

protected:
    ImageSession &session_;
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
    PendingStep(ImageSession &session, Records before, Records after, const QString &what,
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

// Records written into the image: redo writes them, undo writes them back,
// each through the session's one write path, which refuses a record that
// another program changed since. The pending edits a write takes in come
// back when it is undone.
class WriteStep : public SessionStep
{
public:
    WriteStep(ImageSession &session, std::vector<RecordWrite> writes,
              std::map<int, PendingRecord> written, const QString &what);

    std::vector<int> enemies() const override;
    void redo() override;
    void undo() override;

private:
    std::vector<RecordWrite> writes_;
    std::map<int, PendingRecord> written_;
    bool pushed_ = false;
};

} // namespace mobwright

#pragma once

#include "RecordStore.h"

#include <QUndoCommand>

#include <functional>
#include <vector>

namespace mobwright {

// One step of the undo history: the records that one apply, or one import,
// wrote. The window writes the file, checked, before it moves through the
// history; a step then shows the records on the side it moves to.
class ApplyStep : public QUndoCommand
{
public:
    using Show = std::function<void(const std::vector<RecordWrite> &changes)>;

    // what names the step: "Apply to 094: Rust Beetle".
    ApplyStep(std::vector<RecordWrite> writes, const QString &what, Show show);

    // What takes the file back over the step (undoing) or forward again.
    std::vector<RecordWrite> changes(bool undoing) const;

    void undo() override;
    // Pushing the step, whose records are written and shown already, shows nothing.
    void redo() override;

private:
    std::vector<RecordWrite> writes_;
    Show show_;
    bool pushed_ = false;
};

} // namespace mobwright

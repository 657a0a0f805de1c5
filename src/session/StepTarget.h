#pragma once

#include "PendingEdits.h"
#include "RecordStore.h"

#include <QString>

#include <vector>

namespace mobwright {

// What the steps of the history may do to the session, and no more: the
// session alone pushes, undoes and redoes them.
class StepTarget
{
public:
    // The one write path, journaled under the step's name; afterwards every
    // view is told what the file holds.
    virtual WriteOutcome write(const ImageWrite &change, const QString &step) = 0;
    virtual const PendingRecord *pendingOf(int index) const = 0;
    // Sets an enemy's pending record as a step kept it: edits made on bytes
    // the file no longer holds are merged onto what it holds.
    virtual void restorePending(int index, const PendingRecord &record) = 0;

protected:
    ~StepTarget() = default;
};

} // namespace mobwright

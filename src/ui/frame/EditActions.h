#pragma once

#include "ImageSession.h"
#include "WindowParts.h"

#include <QList>
#include <QObject>
#include <QString>

#include <map>
#include <vector>

class QAction;
class QMenu;

namespace mobwright {

class HistoryView;

// The window's writing of pending edits and stepping through their history:
// Edit › Undo, Redo, Apply Changes, Apply All…, Revert Changes and Revert
// All Changes; and what it says when a write fails or another program
// changes the image behind it.
class EditActions : public QObject
{
    Q_OBJECT

public:
    explicit EditActions(const WindowParts &parts);

    // Undo and Redo, named after the step they take, and History.
    void addStepEntries(QMenu *edit);
    // Apply Changes and Apply All….
    void addApplyEntries(QMenu *edit);
    // Revert Changes and Revert All Changes.
    void addRevertEntries(QMenu *edit);

    // Writes the shown enemy's pending edits; false if nothing was written.
    bool applyShownEnemy();
    // Writes every pending edit, after showing them all when asked to.
    bool applyAll(bool preview);
    void stepHistory(bool undoing);
    // Undoes or redoes steps until done steps are done, saying which write failed, if any.
    void goToStep(int done);
    // Undoes a write of an earlier session, named step, and every write since, as one step.
    void undoEarlierWrite(std::uint64_t sequence, const QString &step);
    // Asks what becomes of the pending edits before they would be lost;
    // false when the user cancels or the write they asked for failed.
    bool settlePendingEdits();
    // Says what a write did: in the status bar when all went well, nothing
    // when nothing was asked.
    void tellOutcome(const QString &what, const WriteOutcome &outcome);

private:
    // Writes the pending edits of enemies as one step named what, after
    // showing them when asked to or when another program's change conflicts
    // with any: then only the conflicting edits ticked there are written.
    // An edit that cannot be written is shown instead, and nothing written.
    bool writePending(const std::vector<int> &enemies, const QString &what, bool preview);
    // Shows what writing records would change; false when cancelled.
    bool previewWrite(const std::map<int, PendingRecord> &records, const QString &title,
                      ImageSession::Confirmed &confirmed);
    // Shows the enemy and field whose edit refused a write, and says why.
    bool refuse(const ImageSession::RefusedEdit &refused);
    void noteChangedBehind(const QList<int> &indexes);
    // Says that the image's file is no longer the one opened, after what
    // failed, if anything, and offers to open it again.
    void offerToOpenAgain(const QString &failure = {});
    void nameSteps();
    void showState();
    void say(const QString &message);
    void warn(const QString &message);

    WindowParts parts_;
    ImageSession &session_;
    QAction *undo_;
    QAction *redo_;
    QAction *history_;
    HistoryView *historyView_ = nullptr;
    QAction *apply_;
    QAction *applyAll_;
    QAction *revert_;
    QAction *revertAll_;
};

} // namespace mobwright

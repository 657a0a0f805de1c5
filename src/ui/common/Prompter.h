#pragma once

#include "Recovery.h"
#include "SaveDialog.h"
#include "TableEdits.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace mobwright {

struct CellChange;

// What the Adjust dialog shows while the user types: what an adjustment
// would do to each selected number cell (or why it cannot be made), and
// the enemies' labels.
struct AdjustQuestion
{
    int cellCount = 0;
    std::function<Checked<std::vector<AdjustedCell>>(const Adjustment &)> preview;
    std::function<QString(int enemy)> enemyLabel;
};

enum class UnappliedAnswer { Apply, Discard, Cancel };

// Every question the window asks the user, and every warning it gives: the
// dialogs in the program, a script in the tests. Each is asked over parent.
class Prompter
{
public:
    virtual ~Prompter() = default;

    // An image to open ("Open ROM"), to compare with ("Compare With") or a
    // table to import ("Import Table"), starting in folder; an empty name
    // when cancelled.
    virtual QString imageToOpen(QWidget *parent, const QString &folder) = 0;
    virtual QString baselineToCompare(QWidget *parent, const QString &folder) = 0;
    virtual QString tableToImport(QWidget *parent, const QString &folder) = 0;
    // Where to save, never over an open image; filter receives the filter chosen.
    virtual QString fileToSave(QWidget *parent, const SaveQuestion &question,
                               QString *filter = nullptr) = 0;

    // What becomes of the edits not yet written before they would be lost;
    // what says how many there are: "14 enemies (20 fields)".
    virtual UnappliedAnswer unappliedEdits(QWidget *parent, const QString &what) = 0;
    // Whether to open the image again, now that its file is no longer the
    // one opened, as message says; false keeps the edits for now.
    virtual bool openAgain(QWidget *parent, const QString &message) = 0;
    // Shows every cell a write would change under a summary; true to write.
    virtual bool confirmChanges(QWidget *parent, const QString &title, const QString &summary,
                                const std::vector<CellChange> &cells) = 0;
    // The same for pending edits, some conflicting with another program's
    // change (by row): the rows ticked, or nothing when cancelled.
    virtual std::optional<std::vector<bool>> confirmApply(QWidget *parent, const QString &title,
                                                          const QString &summary,
                                                          const std::vector<CellChange> &cells,
                                                          const std::vector<bool> &conflicting) = 0;
    // An entry's new name, showing its current one; nothing when cancelled.
    virtual std::optional<QString> entryName(QWidget *parent, const QString &entry,
                                             const QString &current) = 0;
    // A name to keep the table's filter under; nothing when cancelled.
    virtual std::optional<QString> filterName(QWidget *parent, const QString &filter) = 0;
    // How to change the number cells, each change previewed; nothing when cancelled.
    virtual std::optional<Adjustment> adjustment(QWidget *parent, const AdjustQuestion &question) = 0;

    // What to do with a write into the image opened that was not finished,
    // whose journal message tells what the image holds of it.
    virtual Settlement unfinishedWrite(QWidget *parent, const QString &message) = 0;

    // Tells of a failure or a refusal.
    virtual void warn(QWidget *parent, const QString &message) = 0;
};

} // namespace mobwright

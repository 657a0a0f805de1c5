#pragma once

#include <QString>

#include <optional>
#include <vector>

class QWidget;

namespace mobwright {

struct CellChange;

// Lists every cell a write would change (enemy, field, old, new) under a
// summary, and asks before anything is written; true to write.
bool ConfirmChanges(QWidget *parent, const QString &title, const QString &summary,
                    const std::vector<CellChange> &cells);

// The same for pending edits, where conflicting marks, by row, the cells
// another program changed too: their old value is what the file holds now,
// their new one the user's, written only where its box is ticked. Gives
// which rows are ticked, or nothing when cancelled.
std::optional<std::vector<bool>> ConfirmApply(QWidget *parent, const QString &title,
                                              const QString &summary,
                                              const std::vector<CellChange> &cells,
                                              const std::vector<bool> &conflicting);

} // namespace mobwright

#pragma once

#include <QString>

#include <vector>

class QWidget;

namespace mobwright {

struct CellChange;

// Lists every cell a write would change (enemy, field, old, new) under a
// summary, and asks before anything is written; true to write.
bool ConfirmChanges(QWidget *parent, const QString &title, const QString &summary,
                    const std::vector<CellChange> &cells);

} // namespace mobwright

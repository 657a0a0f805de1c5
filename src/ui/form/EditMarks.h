#pragma once

#include "EnemyLayout.h"

#include <array>
#include <bitset>
#include <functional>
#include <vector>

class QString;

class QWidget;

namespace mobwright {

struct PendingRecord;

// Marks the labels of edited fields in bold, so that no edit goes unnoticed,
// and those of edits that another program's change conflicts with as
// conflicts, with both values in the tooltips of label and control.
class EditMarks
{
public:
    // The widget that names a field's control and carries its mark, and the control.
    void setField(Field field, QWidget *label, QWidget *control);
    // Gives labels that share a column's width room for their text in bold,
    // italic too for a field that differs from the baseline, so that marking
    // moves nothing.
    static void makeRoom(const std::vector<QWidget *> &column);
    // Marks the fields that pending edits, or none; conflictText words the
    // values of a field in conflict.
    void show(const PendingRecord *pending, const std::function<QString(Field)> &conflictText);

private:
    void mark(Field field, bool edited);
    // An empty text takes the mark away.
    void markConflict(Field field, const QString &text);

    std::array<QWidget *, FIELD_COUNT> labels_{};
    std::array<QWidget *, FIELD_COUNT> controls_{};
    std::bitset<FIELD_COUNT> edited_;
    std::bitset<FIELD_COUNT> conflicts_;
};

} // namespace mobwright

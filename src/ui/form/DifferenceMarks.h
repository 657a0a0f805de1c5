#pragma once

#include "EnemyRecord.h"

#include <array>
#include <bitset>

class QString;

class QWidget;

namespace mobwright {

// Marks the labels of fields whose value differs from the baseline's in
// italics and the link colour, apart from the bold of an edit, and puts the
// baseline's value in the tooltips of label and control.
class DifferenceMarks
{
public:
    // The widget that names a field's control, and the control.
    void setField(Field field, QWidget *label, QWidget *control);
    // Marks the fields in which shown differs from baseline; none without one.
    void show(const EnemyRecord *baseline, const EnemyRecord &shown);

private:
    // An empty tip takes the mark away.
    void mark(Field field, const QString &tip);

    std::array<QWidget *, FIELD_COUNT> labels_{};
    std::array<QWidget *, FIELD_COUNT> controls_{};
    std::bitset<FIELD_COUNT> marked_;
};

} // namespace mobwright

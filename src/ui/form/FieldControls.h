#pragma once

#include "EnemyForm.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace mobwright {

class ListModels;
class SizedComboBox;

// One control per record field, named as the record layout names it, and
// the map between those controls and the values of a form.
class FieldControls
{
public:
    FieldControls();

    QWidget *control(Field field) const { return controls_[index(field)]; }
    QComboBox *comboBox(Field field) const;

    // Shows form without telling anyone of a change. A text box that reads
    // as its value already keeps its text, so that typing is never undone.
    void show(const FormValues &form);
    // What one control holds now: a text box its text, the others a position.
    ControlValue value(Field field) const;
    // Gives the drop-down lists their entries, once. Setting a list's model
    // costs a combo box some two dozen signal connections, so it waits until
    // the form is first shown.
    void attachLists(const ListModels &lists);

private:
    static std::size_t index(Field field) { return static_cast<std::size_t>(field); }

    std::array<QWidget *, FIELD_COUNT> controls_{};
};

// A pick-only drop-down list that costs nothing to size however long its list.
QComboBox *MakeComboBox(const QString &objectName, int contentsLength);
void SetUpComboBox(SizedComboBox *box, const QString &objectName, int contentsLength);

} // namespace mobwright

#pragma once

#include "EnemyForm.h"

#include <QObject>

#include <array>
#include <bitset>

namespace mobwright {

class FieldControls;

// Knows which controls differ from the record as read, and marks their
// labels in bold, so that no edit goes unnoticed.
class EditMarks : public QObject
{
    Q_OBJECT

public:
    EditMarks(const FieldControls &controls, QObject *parent = nullptr);

    // The widget that names a field's control and carries its mark.
    void setLabel(Field field, QWidget *label);

    // Takes every mark off and stops tracking: while a record is being
    // shown its controls change without an edit.
    void stop();
    // The controls now show form, as read, so no field is edited; tracking
    // starts again.
    void reset(const FormValues &form);

    bool any() const { return edited_.any(); }

signals:
    void editedChanged(bool any);

private:
    void check(Field field);
    void mark(Field field, bool edited);

    const FieldControls &controls_;
    FormValues shown_;
    std::array<QWidget *, FIELD_COUNT> labels_{};
    std::bitset<FIELD_COUNT> edited_;
    bool tracking_ = false;
};

} // namespace mobwright

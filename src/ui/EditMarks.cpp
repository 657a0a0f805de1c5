#include "EditMarks.h"

#include "FieldControls.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

namespace mobwright {
namespace {

std::size_t Index(Field field)
{
    return static_cast<std::size_t>(field);
}

// Text boxes are compared by their text, the other controls by position:
// a list's form text is only a note on what it cannot show.
bool SameValue(const ControlValue &now, const ControlValue &shown, Encoding encoding)
{
    switch (encoding) {
    case Encoding::GameText:
    case Encoding::Number:
    case Encoding::TextAddress:
        return now.text == shown.text;
    case Encoding::Flag:
    case Encoding::ListPosition:
    case Encoding::ListPositionPlus1:
        break;
    }
    return now.position == shown.position;
}

} // namespace

EditMarks::EditMarks(const FieldControls &controls, QObject *parent)
    : QObject(parent)
    , controls_(controls)
{
    for (const FieldLayout &layout : EnemyLayout) {
        const Field field = layout.field;
        QWidget *widget = controls.control(field);
        const auto changed = [this, field] { check(field); };
        if (auto *edit = qobject_cast<QLineEdit *>(widget))
            connect(edit, &QLineEdit::textChanged, this, changed);
        else if (auto *box = qobject_cast<QComboBox *>(widget))
            connect(box, &QComboBox::currentIndexChanged, this, changed);
        else if (auto *flag = qobject_cast<QCheckBox *>(widget))
            connect(flag, &QCheckBox::stateChanged, this, changed);
    }
}

void EditMarks::setLabel(Field field, QWidget *label)
{
    labels_[Index(field)] = label;
    // Room for the bold text, so that marking moves nothing. Measured with
    // the font alone: setting it on the label and back costs far more.
    QFont bold = label->font();
    bold.setBold(true);
    const QString text = label->property("text").toString();
    const int wider =
        QFontMetrics(bold).horizontalAdvance(text) - label->fontMetrics().horizontalAdvance(text);
    label->setMinimumWidth(label->sizeHint().width() + std::max(0, wider));
}

void EditMarks::stop()
{
    tracking_ = false;
    if (!edited_.any())
        return;
    for (const FieldLayout &layout : EnemyLayout)
        mark(layout.field, false);
    emit editedChanged(false);
}

void EditMarks::reset(const FormValues &form)
{
    shown_ = form;
    tracking_ = true;
}

void EditMarks::check(Field field)
{
    if (!tracking_)
        return;
    const bool same =
        SameValue(controls_.value(field), shown_[Index(field)], LayoutOf(field).encoding);
    if (edited_[Index(field)] == !same)
        return;
    const bool before = edited_.any();
    mark(field, !same);
    if (edited_.any() != before)
        emit editedChanged(edited_.any());
}

void EditMarks::mark(Field field, bool edited)
{
    edited_[Index(field)] = edited;
    if (QWidget *label = labels_[Index(field)]) {
        QFont font = label->font();
        font.setBold(edited);
        label->setFont(font);
    }
}

} // namespace mobwright

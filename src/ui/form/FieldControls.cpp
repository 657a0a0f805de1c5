#include "FieldControls.h"

#include "ListComboBox.h"
#include "ListModels.h"
#include "QtText.h"

#include "GameText.h"
#include "FieldHelp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStringListModel>

#include <algorithm>

namespace mobwright {
namespace {

QWidget *MakeControl(const FieldLayout &layout)
{
    const QString name = ToQString(layout.control);
    switch (layout.encoding) {
    case Encoding::Flag: {
        auto *box = new QCheckBox(ToQString(layout.label));
        box->setObjectName(name);
        return box;
    }
    case Encoding::GameText:
    case Encoding::Number:
    case Encoding::TextAddress: {
        auto *edit = new QLineEdit;
        edit->setObjectName(name);
        const QFontMetrics metrics = edit->fontMetrics();
        if (layout.encoding == Encoding::GameText) {
            // A paste cut at the limit may split an emoji in two; the half
            // left is refused when applied (see ToModelText).
            edit->setMaxLength(GameText::NAME_SIZE);
            edit->setMinimumWidth(
                metrics.horizontalAdvance(QString(GameText::NAME_SIZE + 2, 'n')));
        } else {
            // Wide enough for "4294967295" at least.
            edit->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("00000000000")) + 12);
        }
        return edit;
    }
    case Encoding::ListPosition:
    case Encoding::ListPositionPlus1: break;
    }
    // An argument list, without fixed entries, is as wide as most of its entries.
    const int longest = LongestFixedEntry(layout.field);
    auto *box = new ListComboBox;
    SetUpComboBox(box, name, longest > 0 ? longest : 28);
    box->setFirstNumber(layout.encoding == Encoding::ListPositionPlus1 ? 1 : 0);
    return box;
}

} // namespace

void SetUpComboBox(SizedComboBox *box, const QString &objectName, int contentsLength)
{
    box->setObjectName(objectName);
    box->setMinimumContentsLength(std::clamp(contentsLength, 4, 40));
    box->setMaxVisibleItems(20);
}

QComboBox *MakeComboBox(const QString &objectName, int contentsLength)
{
    auto *box = new SizedComboBox;
    SetUpComboBox(box, objectName, contentsLength);
    return box;
}

FieldControls::FieldControls()
{
    for (const FieldLayout &layout : EnemyLayout) {
        QWidget *control = MakeControl(layout);
        control->setToolTip(ToQString(FieldHelp(layout.field)));
        controls_[index(layout.field)] = control;
    }
}

void FieldControls::attachLists(const ListModels &lists)
{
    for (const FieldLayout &layout : EnemyLayout) {
        auto *box = qobject_cast<QComboBox *>(control(layout.field));
        if (!box)
            continue;
        // An argument list has entries of its own, which its action slot fills.
        QStringListModel *entries = lists.fixed(layout.field);
        // A list given entries picks its first, which is no edit of the user's.
        const QSignalBlocker quiet(box);
        box->setModel(entries ? entries : new QStringListModel(box));
    }
}

QComboBox *FieldControls::comboBox(Field field) const
{
    return qobject_cast<QComboBox *>(control(field));
}

void FieldControls::show(const FormValues &form)
{
    for (const FieldLayout &layout : EnemyLayout) {
        const ControlValue &value = form[index(layout.field)];
        QWidget *widget = control(layout.field);
        const QSignalBlocker quiet(widget);
        if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
            // Setting a text lays it out anew, which costs more than comparing.
            const QString text = ToQString(value.text);
            if (edit->text() != text && !ReadsAs(layout, ToModelText(edit->text()), value.text))
                edit->setText(text);
        } else if (auto *box = qobject_cast<QComboBox *>(widget)) {
            box->setPlaceholderText(ToQString(value.text));
            box->setCurrentIndex(value.position);
        } else if (auto *flag = qobject_cast<QCheckBox *>(widget)) {
            // A stored value other than 0 or 1 is the third state; the edit a
            // click makes shows the form again, as a plain two-state box.
            flag->setTristate(value.position == KEEP_STORED);
            flag->setCheckState(value.position == KEEP_STORED ? Qt::PartiallyChecked
                                : value.position == 1     ? Qt::Checked
                                                          : Qt::Unchecked);
            flag->setToolTip(ToQString(value.text));
        }
    }
}

ControlValue FieldControls::value(Field field) const
{
    ControlValue value;
    QWidget *widget = control(field);
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        value.text = ToModelText(edit->text());
    else if (auto *box = qobject_cast<QComboBox *>(widget))
        value.position = box->currentIndex();
    else if (auto *flag = qobject_cast<QCheckBox *>(widget))
        value.position = flag->checkState() == Qt::PartiallyChecked ? KEEP_STORED
                         : flag->isChecked()                        ? 1
                                                                    : 0;
    return value;
}

} // namespace mobwright

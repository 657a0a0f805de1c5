#include "DifferenceMarks.h"

#include "MarkColours.h"
#include "EnemyForm.h"
#include "QtText.h"
#include "RecordDifferences.h"
#include "ToolTipParts.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QWidget>

namespace mobwright {
namespace {

// This file's texts, as translators see them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(DifferenceMarks)
};

// The baseline's part of a tooltip, which comes and goes with the mark.
const char *const BaselineTip = "baselineTip";

// A list's value as its entry reads, where the list shows it; an argument
// list holds the entries of the action shown, not the baseline's.
QString ValueText(QWidget *control, Field field, const ControlValue &baseline,
                  const std::string &value)
{
    const auto *list = qobject_cast<QComboBox *>(control);
    if (value.empty())
        return Text::tr("(empty)");
    if (!list || ArgumentSlot(field) || baseline.position < 0 || baseline.position >= list->count())
        return ToQString(value);
    return QStringLiteral("%1 (%2)").arg(list->itemText(baseline.position), ToQString(value));
}

} // namespace

void DifferenceMarks::setField(Field field, QWidget *label, QWidget *control)
{
    labels_[static_cast<std::size_t>(field)] = label;
    controls_[static_cast<std::size_t>(field)] = control;
}

void DifferenceMarks::show(const EnemyRecord *baseline, const EnemyRecord &shown)
{
    if (!baseline && marked_.none())
        return; // no mark and no baseline tip to take off
    std::bitset<FIELD_COUNT> differ;
    if (baseline) {
        const FormValues form = FormFromRecord(*baseline);
        for (const RecordDifference &difference : RecordDifferences({*baseline}, {shown})) {
            if (!difference.cell.field())
                continue;
            const Field field = *difference.cell.field();
            const auto index = static_cast<std::size_t>(field);
            differ.set(index);
            mark(field,
                 Text::tr("Baseline: %1")
                     .arg(ValueText(controls_[index], field, form[index], difference.baseline)));
        }
    }
    for (const FieldLayout &layout : EnemyLayout) {
        if (!differ[static_cast<std::size_t>(layout.field)])
            mark(layout.field, {});
    }
}

void DifferenceMarks::mark(Field field, const QString &tip)
{
    const auto index = static_cast<std::size_t>(field);
    const bool differs = !tip.isEmpty();
    for (QWidget *widget : {labels_[index], controls_[index]})
        SetTipPart(widget, BaselineTip, tip);
    if (marked_[index] == differs)
        return;
    marked_.set(index, differs);
    QWidget *label = labels_[index];
    QFont font = label->font();
    font.setItalic(differs);
    label->setFont(font);
    QPalette colours = label->palette();
    colours.setColor(QPalette::Link, MarkText(Mark::Baseline, colours));
    label->setPalette(colours);
    label->setForegroundRole(differs ? QPalette::Link : QPalette::WindowText);
}

} // namespace mobwright

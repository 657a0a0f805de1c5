#include "EditMarks.h"

#include "ConflictMarks.h"
#include "PendingEdits.h"
#include "ToolTipParts.h"

#include <QFontMetrics>
#include <QWidget>

#include <algorithm>

namespace mobwright {

namespace {

QString TextOf(const QWidget *label)
{
    return label->property("text").toString();
}

// Measured with the font alone: setting it on the label and back costs far
// more. In bold only: common fonts set bold italic no wider than bold, and
// loading a third face to be sure would cost a twentieth of the start-up.
int MarkedWidth(const QWidget *label)
{
    // As labels and check boxes measure their text.
    const auto width = [text = TextOf(label)](const QFontMetrics &metrics) {
        return metrics.size(Qt::TextShowMnemonic, text).width();
    };
    QFont bold = label->font();
    bold.setBold(true);
    const int plain = width(label->fontMetrics());
    return label->sizeHint().width() + std::max(0, width(QFontMetrics(bold)) - plain);
}

} // namespace

void EditMarks::setField(Field field, QWidget *label, QWidget *control)
{
    labels_[static_cast<std::size_t>(field)] = label;
    controls_[static_cast<std::size_t>(field)] = control;
}

// Bold adds a few per cent to a text in common fonts, and never a quarter:
// only the labels near the widest can need the most room once bold, and only
// those are measured in bold, widest first.
void EditMarks::makeRoom(const std::vector<QWidget *> &column)
{
    std::vector<std::pair<int, QWidget *>> byWidth;
    for (QWidget *label : column)
        byWidth.emplace_back(label->sizeHint().width(), label);
    std::sort(byWidth.begin(), byWidth.end(),
              [](const auto &a, const auto &b) { return a.first > b.first; });
    int room = 0;
    for (const auto &[plain, label] : byWidth) {
        if (plain + plain / 4 < room)
            break;
        room = std::max(room, MarkedWidth(label));
    }
    for (QWidget *label : column)
        label->setMinimumWidth(room);
}

void EditMarks::show(const PendingRecord *pending,
                     const std::function<QString(Field)> &conflictText)
{
    for (const FieldLayout &layout : EnemyLayout) {
        mark(layout.field, pending && pending->edits(layout.field));
        const bool conflicts = pending && pending->inConflict(layout.field);
        markConflict(layout.field, conflicts ? conflictText(layout.field) : QString());
    }
}

void EditMarks::mark(Field field, bool edited)
{
    const auto index = static_cast<std::size_t>(field);
    if (edited_[index] == edited)
        return;
    edited_[index] = edited;
    if (QWidget *label = labels_[index]) {
        QFont font = label->font();
        font.setBold(edited);
        label->setFont(font);
    }
}

void EditMarks::markConflict(Field field, const QString &text)
{
    const auto index = static_cast<std::size_t>(field);
    if (!conflicts_[index] && text.isEmpty())
        return; // as most fields are: a tip part is looked up by name, which costs more than the
                // rest
    for (QWidget *widget : {labels_[index], controls_[index]})
        SetTipPart(widget, "conflictTip", text, true); // the status bar shows the first line
    if (conflicts_[index] == !text.isEmpty())
        return;
    conflicts_[index] = !text.isEmpty();
    MarkConflict(labels_[index], conflicts_[index]);
}

} // namespace mobwright

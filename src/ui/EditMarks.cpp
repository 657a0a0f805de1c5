#include "EditMarks.h"

#include "PendingEdits.h"

#include <QFontMetrics>
#include <QWidget>

#include <algorithm>

namespace mobwright {

void EditMarks::setLabel(Field field, QWidget *label)
{
    labels_[static_cast<std::size_t>(field)] = label;
    // Room for the bold text, italic too for a field that differs from the
    // baseline, so that marking moves nothing. Measured with the font alone:
    // setting it on the label and back costs far more.
    const QString text = label->property("text").toString();
    int widest = label->fontMetrics().horizontalAdvance(text);
    for (const bool italic : {false, true}) {
        QFont marked = label->font();
        marked.setBold(true);
        marked.setItalic(italic);
        widest = std::max(widest, QFontMetrics(marked).horizontalAdvance(text));
    }
    label->setMinimumWidth(label->sizeHint().width() + widest -
                           label->fontMetrics().horizontalAdvance(text));
}

void EditMarks::show(const PendingRecord *pending)
{
    for (const FieldLayout &layout : EnemyLayout)
        mark(layout.field, pending && pending->edits(layout.field));
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

} // namespace mobwright

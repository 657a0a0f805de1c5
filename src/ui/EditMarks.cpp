#include "EditMarks.h"

#include "PendingEdits.h"

#include <QFontMetrics>
#include <QWidget>

#include <algorithm>

namespace mobwright {

namespace {

// No common font widens a text by a fifth in bold, italic or not: a label
// narrower than that below the widest of its column cannot outgrow it marked.
constexpr double WidestMarkedGrowth = 1.2;

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

void EditMarks::setLabel(Field field, QWidget *label)
{
    labels_[static_cast<std::size_t>(field)] = label;
}

// Only the widest few of a column are measured marked, once each.
void EditMarks::MakeRoom(const std::vector<QWidget *> &column)
{
    int widest = 0;
    for (const QWidget *label : column)
        widest = std::max(widest, label->sizeHint().width());
    int room = widest;
    for (const QWidget *label : column) {
        if (label->sizeHint().width() * WidestMarkedGrowth >= widest)
            room = std::max(room, MarkedWidth(label));
    }
    for (QWidget *label : column)
        label->setMinimumWidth(room);
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

#include "ConflictMarks.h"

#include "MarkColours.h"
#include "PendingEdits.h"
#include "QtText.h"

#include <QCoreApplication>
#include <QWidget>

namespace mobwright {
namespace {

// This file's texts, as translators see them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ConflictMarks)
};

} // namespace

QString ConflictText(const RecordCell &cell, int enemy, const PendingRecord &pending, EnemyTable table)
{
    const Column &column = ColumnOf(cell);
    const QString file = DisplayText(column, enemy, table);
    const auto typed = cell.field() ? pending.unparsed.find(*cell.field()) : pending.unparsed.end();
    table.records[static_cast<std::size_t>(enemy)] = pending.target;
    const QString yours = typed != pending.unparsed.end() ? ToQString(typed->second)
                                                           : DisplayText(column, enemy, table);
    return Text::tr("The file now holds %1; your edit is %2").arg(file, yours);
}

void MarkConflict(QWidget *label, bool conflicts)
{
    QFont font = label->font();
    font.setUnderline(conflicts);
    label->setFont(font);
    label->setAutoFillBackground(conflicts);
    if (!conflicts) {
        QPalette plain;
        plain.setColor(QPalette::Link, MarkText(Mark::Baseline, plain)); // as DifferenceMarks shows it
        label->setPalette(plain);
        return;
    }
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, MarkFill(Mark::Conflict));
    for (const auto role : {QPalette::WindowText, QPalette::Link})
        colours.setColor(role, MarkText(Mark::Conflict));
    label->setPalette(colours);
}

} // namespace mobwright

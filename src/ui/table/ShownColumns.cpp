#include "ShownColumns.h"

#include "EnemyTableModel.h"
#include "Settings.h"

#include <QMenu>
#include <QTableView>

namespace mobwright {
namespace {

const QString HiddenColumnsKey = QStringLiteral("enemyTable/hiddenColumns");

// Bytes whose meaning nobody knows are hidden until asked for.
bool HiddenAtFirst(const Column &column)
{
    return column.kind == ColumnKind::Byte && !KnownByteAt(column.cell->offset());
}

} // namespace

ShownColumns::ShownColumns(QTableView &frozen, QTableView &table, const EnemyTableModel &model,
                           std::shared_ptr<Settings> settings, QObject *parent)
    : QObject(parent)
    , table_(table)
    , model_(model)
    , settings_(std::move(settings))
{
    const bool remembered = settings_->contains(HiddenColumnsKey);
    const QStringList hidden = settings_->value(HiddenColumnsKey).toStringList();
    for (int section = 0; section < model_.columnCount(); ++section) {
        const Column &column = model_.columnAt(section);
        frozen.setColumnHidden(section, !isFrozen(column));
        table_.setColumnHidden(
            section, isFrozen(column) ||
                         (remembered ? hidden.contains(column.name) : HiddenAtFirst(column)));
    }
}

bool ShownColumns::isFrozen(const Column &column)
{
    return column.kind == ColumnKind::Enemy ||
           (column.kind == ColumnKind::Field && column.cell == RecordCell(Field::Name));
}

void ShownColumns::addEntries(QMenu &menu)
{
    for (int section = 0; section < model_.columnCount(); ++section) {
        const Column &column = model_.columnAt(section);
        if (isFrozen(column))
            continue;
        QAction *entry = menu.addAction(ColumnTitle(column));
        entry->setCheckable(true);
        entry->setChecked(!table_.isColumnHidden(section));
        connect(entry, &QAction::toggled, this,
                [this, section](bool shown) { setShown(section, shown); });
    }
}

void ShownColumns::setShown(int section, bool shown)
{
    table_.setColumnHidden(section, !shown);
    if (shown)
        emit columnShown(section);
    save();
}

void ShownColumns::save() const
{
    QStringList hidden;
    for (int section = 0; section < model_.columnCount(); ++section) {
        if (!isFrozen(model_.columnAt(section)) && table_.isColumnHidden(section))
            hidden.append(model_.columnAt(section).name);
    }
    settings_->setValue(HiddenColumnsKey, hidden);
}

} // namespace mobwright

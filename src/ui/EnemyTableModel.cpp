#include "EnemyTableModel.h"

#include <vector>

namespace mobwright {
namespace {

// The enemy's number, then every field; labels and raw bytes stay in files.
const std::vector<const Column *> &ShownColumns()
{
    static const std::vector<const Column *> shown = [] {
        std::vector<const Column *> columns;
        for (const Column &column : TableColumns()) {
            if (column.kind == ColumnKind::Enemy || column.kind == ColumnKind::Field)
                columns.push_back(&column);
        }
        return columns;
    }();
    return shown;
}

bool IsList(const Column &column)
{
    const Encoding encoding = LayoutOf(column.field).encoding;
    return column.kind == ColumnKind::Field &&
           (encoding == Encoding::ListPosition || encoding == Encoding::ListPositionPlus1);
}

} // namespace

void EnemyTableModel::setTable(EnemyTable table)
{
    beginResetModel();
    table_ = std::move(table);
    endResetModel();
}

bool EnemyTableModel::isListColumn(int column) const
{
    return IsList(*ShownColumns()[static_cast<std::size_t>(column)]);
}

int EnemyTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(table_.records.size());
}

int EnemyTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(ShownColumns().size());
}

QVariant EnemyTableModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole && role != SortRole && role != Qt::TextAlignmentRole)
        return {};
    const Column &column = *ShownColumns()[static_cast<std::size_t>(index.column())];
    if (role == Qt::TextAlignmentRole)
        return column.isNumeric() && !IsList(column) ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                     : QVariant();
    const QString text = CellText(column, index.row(), table_);
    if (role == SortRole)
        return column.isNumeric() ? QVariant(text.toULongLong()) : QVariant(text);
    if (!IsList(column))
        return text;
    const QString label = ListLabel(
        column.field, table_.records[static_cast<std::size_t>(index.row())], table_.labels);
    return label.isEmpty() ? text : QStringLiteral("%1: %2").arg(text, label.simplified());
}

QVariant EnemyTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    return ShownColumns()[static_cast<std::size_t>(section)]->name;
}

} // namespace mobwright

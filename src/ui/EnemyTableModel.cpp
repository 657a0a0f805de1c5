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
    rows_.assign(table.records.size(), {});
    for (std::size_t k = 0; k < table.records.size(); ++k) {
        for (const Column *column : ShownColumns()) {
            const QString text = CellText(*column, static_cast<int>(k), table);
            const QVariant sortKey =
                column->isNumeric() ? QVariant(text.toULongLong()) : QVariant(text);
            const QString label =
                IsList(*column) ? ListLabel(column->field, static_cast<int>(k), table) : QString();
            rows_[k].push_back(
                {label.isEmpty() ? text : QStringLiteral("%1: %2").arg(text, label.simplified()),
                 sortKey});
        }
    }
    endResetModel();
}

int EnemyTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int EnemyTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(ShownColumns().size());
}

QVariant EnemyTableModel::data(const QModelIndex &index, int role) const
{
    const Column &column = *ShownColumns()[static_cast<std::size_t>(index.column())];
    const Cell &cell =
        rows_[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())];
    switch (role) {
    case Qt::DisplayRole:
        return cell.text;
    case SortRole:
        return cell.sortKey;
    case Qt::TextAlignmentRole:
        return column.isNumeric() && !IsList(column) ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                     : QVariant();
    default:
        return {};
    }
}

QVariant EnemyTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    return ShownColumns()[static_cast<std::size_t>(section)]->name;
}

} // namespace mobwright

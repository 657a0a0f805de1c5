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
    cells_.assign(table_.records.size() * ShownColumns().size(), std::nullopt);
    endResetModel();
}

const EnemyTableModel::Cell &EnemyTableModel::cell(int row, int column) const
{
    std::optional<Cell> &cached = cells_[static_cast<std::size_t>(row) * ShownColumns().size() +
                                         static_cast<std::size_t>(column)];
    if (cached)
        return *cached;
    const Column &shown = *ShownColumns()[static_cast<std::size_t>(column)];
    const QString text = CellText(shown, row, table_);
    const QVariant sortKey = shown.isNumeric() ? QVariant(text.toULongLong()) : QVariant(text);
    const QString label = IsList(shown) ? ListLabel(shown.field, row, table_) : QString();
    cached =
        Cell{label.isEmpty() ? text : text + QStringLiteral(": ") + label.simplified(), sortKey};
    return *cached;
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
    const Column &column = *ShownColumns()[static_cast<std::size_t>(index.column())];
    switch (role) {
    case Qt::DisplayRole:
        return cell(index.row(), index.column()).text;
    case SortRole:
        return cell(index.row(), index.column()).sortKey;
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

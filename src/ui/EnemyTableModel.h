#pragma once

#include "TableCells.h"

#include <QAbstractTableModel>

#include <optional>
#include <vector>

namespace mobwright {

// The enemy table as the image holds it: a row per enemy, a column per
// field in record order. Read-only; list fields show value and label.
class EnemyTableModel : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    // The role that sorts: numbers as numbers, text as text.
    static constexpr int SortRole = Qt::UserRole;

    void setTable(EnemyTable table);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Cell
    {
        QString text;
        QVariant sortKey;
    };
    // A cell is worked out when first asked for: opening the view needs only
    // the sorted column and the rows in sight.
    const Cell &cell(int row, int column) const;

    EnemyTable table_;
    mutable std::vector<std::optional<Cell>> cells_; // row by row
};

} // namespace mobwright

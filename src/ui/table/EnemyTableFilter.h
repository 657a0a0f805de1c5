#pragma once

#include "RowFilter.h"

#include <QSortFilterProxyModel>

namespace mobwright {

class EnemyTableModel;
class ImageSession;

// The rows of the table that meet the filter, sorted as asked.
class EnemyTableFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    EnemyTableFilter(EnemyTableModel &model, const ImageSession &session, QObject *parent);

    void setRowFilter(RowFilter filter);
    // Only the rows that differ from the baseline.
    void setOnlyDifferingRows(bool only);

protected:
    bool filterAcceptsRow(int row, const QModelIndex &) const override;

private:
    EnemyTableModel &model_;
    const ImageSession &session_;
    RowFilter filter_;
    bool onlyDiffering_ = false;
};

} // namespace mobwright

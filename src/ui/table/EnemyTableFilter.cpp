#include "EnemyTableFilter.h"

#include "Comparison.h"
#include "EnemyTableModel.h"

namespace mobwright {

EnemyTableFilter::EnemyTableFilter(EnemyTableModel &model, const ImageSession &session,
                                   QObject *parent)
    : QSortFilterProxyModel(parent)
    , model_(model)
    , session_(session)
{
    setSourceModel(&model);
    setSortRole(EnemyTableModel::SortRole);
}

void EnemyTableFilter::setRowFilter(RowFilter filter)
{
    filter_ = std::move(filter);
    invalidateFilter();
}

void EnemyTableFilter::setOnlyDifferingRows(bool only)
{
    onlyDiffering_ = only;
    invalidateFilter();
}

bool EnemyTableFilter::filterAcceptsRow(int row, const QModelIndex &) const
{
    return filter_.matches(row, model_.table()) &&
           (!onlyDiffering_ || DiffersFromBaseline(session_, row));
}

} // namespace mobwright

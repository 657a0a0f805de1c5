#include "HeaderMenu.h"

#include "EnemyTableModel.h"
#include "FilterBar.h"
#include "ShownColumns.h"
#include "ValuesPopup.h"

#include <QHeaderView>
#include <QMenu>
#include <QTableView>

#include <numeric>

namespace mobwright {

HeaderMenu::HeaderMenu(Parts parts, int enemySection, QObject *parent)
    : QObject(parent)
    , frozen_(parts.frozen)
    , table_(parts.table)
    , shown_(parts.shown)
    , model_(parts.model)
    , filter_(parts.filter)
    , enemySection_(enemySection)
{
    for (QTableView *view : {&frozen_, &table_}) {
        QHeaderView *header = view->horizontalHeader();
        header->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(header, &QHeaderView::customContextMenuRequested, this,
                [this, header](const QPoint &where) { show(*header, where); });
    }
}

// The view that shows the column carries the arrow; the other none.
void HeaderMenu::sortBy(int section, Qt::SortOrder order)
{
    const bool frozen = !frozen_.isColumnHidden(section);
    (frozen ? frozen_ : table_).sortByColumn(section, order);
    (frozen ? table_ : frozen_).horizontalHeader()->setSortIndicator(-1, order);
}

void HeaderMenu::addSortEntries(QMenu &menu, int section)
{
    menu.addAction(tr("Sort &Ascending"), this, [this, section] { sortBy(section, Qt::AscendingOrder); })
        ->setObjectName(QStringLiteral("mnuSortAscending"));
    menu.addAction(tr("Sort &Descending"), this, [this, section] { sortBy(section, Qt::DescendingOrder); })
        ->setObjectName(QStringLiteral("mnuSortDescending"));
    menu.addAction(tr("&Enemies' Order"), this, &HeaderMenu::sortInEnemiesOrder)
        ->setObjectName(QStringLiteral("mnuSortByEnemy"));
}

void HeaderMenu::showValues(int section)
{
    const Column &column = model_.columnAt(section);
    std::vector<int> every(std::size_t(model_.rowCount()));
    std::iota(every.begin(), every.end(), 0);
    auto *popup = new ValuesPopup(DistinctValues(column, model_.table(), every), filter_.valuesPut(column),
                                  table_.window());
    connect(popup, &ValuesPopup::valuesChosen, this,
            [this, &column](const QStringList &texts) { filter_.putValues(column, texts); });
    connect(popup, &ValuesPopup::sortRequested, this,
            [this, section](Qt::SortOrder order) { sortBy(section, order); });
    const QHeaderView *header = (frozen_.isColumnHidden(section) ? table_ : frozen_).horizontalHeader();
    popup->popUp(header->mapToGlobal(QPoint(header->sectionViewportPosition(section), header->height())));
}

void HeaderMenu::show(const QHeaderView &header, const QPoint &where)
{
    QMenu menu;
    const int section = header.logicalIndexAt(where);
    if (section >= 0) {
        addSortEntries(menu, section);
        menu.addAction(tr("Filter by Va&lues…"), this,
                       [this, section] { showValues(section); })
            ->setObjectName(QStringLiteral("mnuFilterByValues"));
        menu.addSeparator();
    }
    shown_.addEntries(menu);
    menu.exec(header.mapToGlobal(where));
}

} // namespace mobwright

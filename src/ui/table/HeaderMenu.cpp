#include "HeaderMenu.h"

#include "ShownColumns.h"

#include <QHeaderView>
#include <QMenu>
#include <QTableView>

namespace mobwright {

HeaderMenu::HeaderMenu(QTableView &frozen, QTableView &table, ShownColumns &shown,
                       int enemySection, QObject *parent)
    : QObject(parent)
    , frozen_(frozen)
    , table_(table)
    , shown_(shown)
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

void HeaderMenu::show(const QHeaderView &header, const QPoint &where)
{
    QMenu menu;
    const int section = header.logicalIndexAt(where);
    if (section >= 0) {
        addSortEntries(menu, section);
        menu.addAction(tr("Filter by Va&lues…"), this,
                       [this, section] { emit valuesFilterRequested(section); })
            ->setObjectName(QStringLiteral("mnuFilterByValues"));
        menu.addSeparator();
    }
    shown_.addEntries(menu);
    menu.exec(header.mapToGlobal(where));
}

} // namespace mobwright

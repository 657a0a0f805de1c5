#include "EnemyTableView.h"

#include "EnemyTableModel.h"
#include "ImageSession.h"

#include <QFileInfo>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

namespace mobwright {

EnemyTableView::EnemyTableView(ImageSession &session, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , session_(session)
    , model_(new EnemyTableModel(this))
    , proxy_(new QSortFilterProxyModel(this))
    , filter_(new QLineEdit)
    , table_(new QTableView)
    , count_(new QLabel)
{
    setObjectName(QStringLiteral("frmEnemyTable"));
    proxy_->setSourceModel(model_);
    proxy_->setSortRole(EnemyTableModel::SortRole);
    proxy_->setFilterKeyColumn(-1);
    proxy_->setFilterCaseSensitivity(Qt::CaseInsensitive);

    filter_->setObjectName(QStringLiteral("txtFilter"));
    filter_->setPlaceholderText(QStringLiteral("Name or any value"));
    filter_->setClearButtonEnabled(true);
    connect(filter_, &QLineEdit::textChanged, this, [this](const QString &text) {
        proxy_->setFilterFixedString(text);
        updateCount();
    });
    count_->setObjectName(QStringLiteral("lblCount"));

    table_->setObjectName(QStringLiteral("tblEnemies"));
    table_->setModel(proxy_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(0, Qt::AscendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setAlternatingRowColors(true);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    // Columns are sized to their contents once, from a sample of rows.
    table_->horizontalHeader()->setResizeContentsPrecision(40);
    connect(table_, &QTableView::activated, this, [this](const QModelIndex &index) {
        emit enemyChosen(proxy_->mapToSource(index).row());
    });

    auto *filterRow = new QHBoxLayout;
    auto *filterLabel = new QLabel(QStringLiteral("&Filter:"));
    filterLabel->setBuddy(filter_);
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(filter_, 1);
    filterRow->addWidget(count_);
    auto *column = new QVBoxLayout(this);
    column->addLayout(filterRow);
    column->addWidget(table_, 1);
    resize(1000, 600);

    connect(&session_, &ImageSession::closed, this, &QWidget::close);
    for (const auto changed : {&ImageSession::storedChanged, &ImageSession::pendingChanged})
        connect(&session_, changed, this, &EnemyTableView::refresh);
    connect(&session_, &ImageSession::labelsChanged, this, &EnemyTableView::refresh);
    connect(&session_, &ImageSession::opened, this, &EnemyTableView::refresh);
}

void EnemyTableView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    refresh();
}

void EnemyTableView::refresh()
{
    if (!isVisible() || !session_.isOpen())
        return;
    std::vector<EnemyRecord> records;
    for (int k = 0; k < ENEMY_COUNT; ++k)
        records.push_back(session_.shown(k));
    EnemyTable table(std::move(records));
    table.longLabels = &session_.labels();
    model_->setTable(std::move(table));
    if (!columnsSized_) {
        table_->resizeColumnsToContents();
        columnsSized_ = true;
    }
    setWindowTitle(QStringLiteral("Enemy Table — ") + QFileInfo(session_.path()).fileName());
    updateCount();
}

void EnemyTableView::updateCount()
{
    count_->setText(
        QStringLiteral("%1 of %2 enemies").arg(proxy_->rowCount()).arg(model_->rowCount()));
}

} // namespace mobwright

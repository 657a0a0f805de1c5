#include "EnemyTableView.h"

#include "Prompter.h"
#include "CellDelegate.h"
#include "ColumnWidths.h"
#include "Counted.h"
#include "EnemyTableFilter.h"
#include "EnemyTableModel.h"
#include "CellCommands.h"
#include "FilterBar.h"
#include "HeaderMenu.h"
#include "HeaderSelection.h"
#include "ImageSession.h"
#include "QtText.h"
#include "RecordCommands.h"
#include "RowFilter.h"
#include "ShownColumns.h"
#include "TitleHeader.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace mobwright {

EnemyTableView::EnemyTableView(ImageSession &session, std::shared_ptr<Settings> settings,
                               Prompter &prompter, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , session_(session)
    , prompter_(prompter)
    , model_(new EnemyTableModel(session, this))
    , proxy_(new EnemyTableFilter(*model_, session, this))
    , cells_(new CellCommands(session, *model_, this))
    , records_(new RecordCommands(session, this))
    , filter_(new FilterBar(*model_, settings, prompter))
    , count_(new QLabel)
    , status_(new QStatusBar)
    , frozen_(new QTableView)
    , table_(new QTableView)
{
    setObjectName(QStringLiteral("frmEnemyTable"));
    connect(cells_, &CellCommands::refused, this, &EnemyTableView::refused);
    connect(records_, &RecordCommands::refused, this, &EnemyTableView::refused);
    buildViews(std::move(settings));
    buildActions();

    auto *views = new QHBoxLayout;
    views->setSpacing(0);
    views->addWidget(frozen_);
    views->addWidget(table_, 1);
    auto *column = new QVBoxLayout(this);
    buildFilterRow(*column);
    column->addLayout(views, 1);
    status_->setObjectName(QStringLiteral("stbTable"));
    status_->setSizeGripEnabled(false);
    column->addWidget(status_);
    resize(1000, 600);

    connect(&session_, &ImageSession::closed, this, &QWidget::close);
    connect(&session_, &ImageSession::opened, this, [this] {
        setWindowTitle(tr("Enemy Table — %1").arg(QFileInfo(session_.path()).fileName()));
    });
    setWindowTitle(tr("Enemy Table — %1").arg(QFileInfo(session_.path()).fileName()));
    updateCount();
}

void EnemyTableView::buildFilterRow(QVBoxLayout &column)
{
    connect(filter_, &FilterBar::filterChanged, this, [this](const RowFilter &filter) {
        proxy_->setRowFilter(filter);
        updateCount();
    });
    connect(filter_, &FilterBar::refusalChanged, status_, [this](const QString &reason) {
        if (reason.isEmpty())
            status_->clearMessage();
        else
            status_->showMessage(tr("The filter cannot be read: %1").arg(reason));
    });
    count_->setObjectName(QStringLiteral("lblCount"));
    connect(proxy_, &QAbstractItemModel::rowsInserted, this, &EnemyTableView::updateCount);
    connect(proxy_, &QAbstractItemModel::rowsRemoved, this, &EnemyTableView::updateCount);
    connect(proxy_, &QAbstractItemModel::modelReset, this, &EnemyTableView::updateCount);

    auto *applyAll = new QPushButton(tr("Apply &All"));
    applyAll->setObjectName(QStringLiteral("cmdApplyAll"));
    connect(applyAll, &QPushButton::clicked, this, &EnemyTableView::applyAllRequested);
    auto *differences = new QComboBox;
    differences->setObjectName(QStringLiteral("cmbShowDifferences"));
    differences->addItems({tr("All rows"), tr("Rows that differ from the baseline"),
                           tr("Only cells that differ from the baseline")});
    differences->setToolTip(tr("With a baseline to compare with (File › Compare With…)"));
    connect(differences, &QComboBox::currentIndexChanged, this, &EnemyTableView::showDifferences);
    const auto offerDifferences = [this, differences] {
        differences->setEnabled(session_.baseline() != nullptr);
        if (!session_.baseline())
            differences->setCurrentIndex(0);
    };
    connect(&session_, &ImageSession::baselineChanged, this, offerDifferences);
    offerDifferences();
    auto *filterRow = new QHBoxLayout;
    filterRow->addWidget(filter_, 1);
    filterRow->addWidget(count_);
    filterRow->addWidget(differences);
    filterRow->addWidget(applyAll);
    column.addLayout(filterRow);
}

void EnemyTableView::buildViews(std::shared_ptr<Settings> settings)
{
    for (QTableView *view : {frozen_, table_}) {
        view->setHorizontalHeader(new TitleHeader(view));
        // Hidden before the rows come, so that their 230 numbers are never measured.
        view->verticalHeader()->hide();
        view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
        view->setModel(proxy_);
        // A delegate of its own: a view is told of every editor its delegate commits.
        view->setItemDelegate(new CellDelegate(*model_, view));
        view->setSelectionMode(QAbstractItemView::ExtendedSelection);
        view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed);
        view->setAlternatingRowColors(true);
        view->setWordWrap(false);
        view->setContextMenuPolicy(Qt::ActionsContextMenu);
        view->installEventFilter(this);
    }
    frozen_->setObjectName(QStringLiteral("tblEnemyNames"));
    table_->setObjectName(QStringLiteral("tblEnemies"));
    frozen_->setAccessibleName(tr("Enemies' numbers and names"));
    table_->setAccessibleName(tr("Enemies' fields"));
    frozen_->setSelectionModel(table_->selectionModel());
    const int enemySection = model_->sectionOf(*FindColumn(QStringLiteral("Enemy")));
    headerSelection_ = new HeaderSelection(*frozen_, *table_, enemySection, this);
    auto *shown = new ShownColumns(*frozen_, *table_, *model_, std::move(settings), this);
    connect(shown, &ShownColumns::columnShown, this,
            [this](int section) { sizeColumns(table_, {section}); });
    headerMenu_ = new HeaderMenu({*frozen_, *table_, *shown, *model_, *filter_}, enemySection, this);
    headerMenu_->sortInEnemiesOrder();
    freezeLeadingColumns();
}

// The Enemy and Name columns sit in a view of their own at the left, which
// scrolls up and down with the rest but never sideways.
void EnemyTableView::freezeLeadingColumns()
{
    // Both views keep a scroll bar at the bottom, so that their rows line up.
    frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    connect(table_->verticalScrollBar(), &QScrollBar::valueChanged, frozen_->verticalScrollBar(),
            &QScrollBar::setValue);
    connect(frozen_->verticalScrollBar(), &QScrollBar::valueChanged, table_->verticalScrollBar(),
            &QScrollBar::setValue);
}

void EnemyTableView::buildActions()
{
    const auto add = [this](const QString &text, const char *name, const QKeySequence &keys,
                            auto slot) {
        auto *action = new QAction(text, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
        for (QTableView *view : {frozen_, table_})
            view->addAction(action);
        return action;
    };
    add(tr("&Copy"), "mnuCopyCells", QKeySequence::Copy, &EnemyTableView::copySelection);
    add(tr("&Paste"), "mnuPasteCells", QKeySequence::Paste,
        [this] { pasteText(QApplication::clipboard()->text()); });
    add(tr("Fill &Down"), "mnuFillDown", QKeySequence(Qt::CTRL | Qt::Key_D),
        [this] { cells_->fillDown(selectedCells()); });
    add(tr("Ad&just…"), "mnuAdjust", QKeySequence(Qt::CTRL | Qt::Key_J),
        &EnemyTableView::askAdjustment);
    add(tr("Re&vert Selected Cells"), "mnuRevertCells", QKeySequence(),
        [this] { cells_->revert(selectedCells()); });
    add(tr("Revert Selected Cells to &Baseline"), "mnuRevertCellsToBaseline", QKeySequence(),
        [this] { cells_->revertToBaseline(selectedCells()); });
    add(tr("Select Colu&mns"), "mnuSelectColumns", QKeySequence(Qt::CTRL | Qt::Key_Space),
        [this] { headerSelection_->selectColumnsOfSelection(); });
    add(tr("Select Ro&ws"), "mnuSelectRows", QKeySequence(Qt::SHIFT | Qt::Key_Space),
        [this] { headerSelection_->selectRowsOfSelection(); });
    add(tr("Filter by Va&lues…"), "mnuFilterByValues", QKeySequence(Qt::ALT | Qt::Key_Down), [this] {
        if (table_->currentIndex().isValid())
            headerMenu_->showValues(table_->currentIndex().column());
    });
    add(tr("&Show in Form"), "mnuShowInForm", QKeySequence(), [this] {
        const QModelIndex current = table_->currentIndex();
        if (current.isValid())
            emit enemyChosen(proxy_->mapToSource(current).row());
    });
    add(tr("&Name This Entry…"), "mnuNameEntry", QKeySequence(), [this] {
        const QModelIndex current = table_->currentIndex();
        const auto list = current.isValid() ? model_->longListAt(proxy_->mapToSource(current))
                                            : std::nullopt;
        if (list)
            emit nameEntryRequested(*list);
    });
    add(tr("Copy &Enemy"), "mnuCopyEnemy", QKeySequence(), [this] { records_->copy(selectedCells()); });
    add(tr("Paste &onto Selected Enemies"), "mnuPasteEnemy", QKeySequence(),
        [this] { records_->paste(selectedCells()); });
    add(tr("Swap Enem&ies"), "mnuSwapEnemies", QKeySequence(), [this] { records_->swap(selectedCells()); });
    add(tr("Apply &All"), "mnuTableApplyAll", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Return),
        &EnemyTableView::applyAllRequested);
    add(tr("&Undo"), "mnuTableUndo", QKeySequence::Undo, &EnemyTableView::undoRequested);
    add(tr("&Redo"), "mnuTableRedo", QKeySequence::Redo, &EnemyTableView::redoRequested);
}

bool EnemyTableView::eventFilter(QObject *object, QEvent *event)
{
    auto *view = qobject_cast<QTableView *>(object);
    // A cell in edit takes its keys itself, so these reach the view only outside edit.
    if (view && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && view->currentIndex().isValid()) {
            emit enemyChosen(proxy_->mapToSource(view->currentIndex()).row());
            return true;
        }
    }
    if (object == table_ && event->type() == QEvent::Show && !columnsSized_) {
        // Sized once, when first shown.
        columnsSized_ = true;
        for (QTableView *sized : {frozen_, table_}) {
            QList<int> shown;
            for (int section = 0; section < model_->columnCount(); ++section) {
                if (!sized->isColumnHidden(section))
                    shown.append(section);
            }
            sizeColumns(sized, shown);
        }
        frozen_->setFixedWidth(frozen_->horizontalHeader()->length() + 2 * frozen_->frameWidth());
    }
    return QWidget::eventFilter(object, event);
}

void EnemyTableView::sizeColumns(QTableView *view, const QList<int> &sections)
{
    const ColumnWidths widths(*view);
    for (const int section : sections)
        view->setColumnWidth(section, widths.width(model_->columnAt(section), *model_, section));
}

void EnemyTableView::updateCount()
{
    count_->setText(tr("%1 of %2 enemies").arg(proxy_->rowCount()).arg(model_->rowCount()));
    emit shownRowsChanged();
}

void EnemyTableView::selectEnemies(const std::vector<int> &enemies, const Column *column)
{
    const int section = column ? model_->sectionOf(*column) : 0;
    QItemSelection rows;
    QModelIndex first;
    for (const int enemy : enemies) {
        const QModelIndex row = proxy_->mapFromSource(model_->index(enemy, section));
        if (!row.isValid())
            continue;
        rows.select(row, row);
        first = first.isValid() ? first : row;
    }
    QItemSelectionModel *selection = table_->selectionModel();
    const auto whole = column ? QItemSelectionModel::NoUpdate : QItemSelectionModel::Rows;
    selection->select(rows, QItemSelectionModel::ClearAndSelect | whole);
    if (first.isValid()) {
        selection->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
        table_->scrollTo(first);
    }
}

std::vector<int> EnemyTableView::shownRows() const
{
    std::vector<int> rows;
    for (int row = 0; row < proxy_->rowCount(); ++row)
        rows.push_back(proxy_->mapToSource(proxy_->index(row, 0)).row());
    return rows;
}

std::vector<int> EnemyTableView::visibleSections() const
{
    std::vector<int> sections;
    for (const QTableView *view : {frozen_, table_}) {
        const QHeaderView *header = view->horizontalHeader();
        for (int visual = 0; visual < header->count(); ++visual) {
            const int section = header->logicalIndex(visual);
            if (!view->isColumnHidden(section))
                sections.push_back(section);
        }
    }
    return sections;
}

std::vector<const Column *> EnemyTableView::shownColumns() const
{
    std::vector<const Column *> columns;
    for (const int section : visibleSections())
        columns.push_back(&model_->columnAt(section));
    return columns;
}

std::vector<TableCell> EnemyTableView::selectedCells() const
{
    QModelIndexList selected = table_->selectionModel()->selectedIndexes();
    const std::vector<int> order = visibleSections();
    // A range of whole columns passes over those hidden.
    selected.removeIf([&order](const QModelIndex &index) {
        return std::find(order.begin(), order.end(), index.column()) == order.end();
    });
    const auto place = [&order](const QModelIndex &index) {
        return std::pair(index.row(), std::find(order.begin(), order.end(), index.column()) - order.begin());
    };
    std::sort(selected.begin(), selected.end(),
              [&](const QModelIndex &a, const QModelIndex &b) { return place(a) < place(b); });
    std::vector<TableCell> cells;
    for (const QModelIndex &index : selected)
        cells.push_back(model_->cellAt(proxy_->mapToSource(index)));
    return cells;
}

// Tab-separated, a line per row; with a header line when whole columns are
// selected, so that a spreadsheet gets the columns' names.
void EnemyTableView::copySelection()
{
    const QModelIndexList selected = table_->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return;
    std::set<int> rows;
    std::set<int> columns;
    for (const QModelIndex &index : selected) {
        rows.insert(index.row());
        columns.insert(index.column());
    }
    std::vector<int> ordered;
    for (const int section : visibleSections()) {
        if (columns.contains(section))
            ordered.push_back(section);
    }
    QStringList lines;
    const bool wholeColumns = std::all_of(ordered.begin(), ordered.end(), [this](int section) {
        return table_->selectionModel()->isColumnSelected(section);
    });
    if (wholeColumns) {
        QStringList header;
        for (const int section : ordered)
            header.append(ColumnTitle(model_->columnAt(section)));
        lines.append(header.join(u'\t'));
    }
    for (const int row : rows) {
        QStringList cells;
        for (const int section : ordered) {
            const QModelIndex index = proxy_->index(row, section);
            cells.append(table_->selectionModel()->isSelected(index) ? index.data().toString() : QString());
        }
        lines.append(cells.join(u'\t'));
    }
    QApplication::clipboard()->setText(lines.join(u'\n') + u'\n');
}

// A block of cells from a spreadsheet, or what Copy gave, from the first
// selected cell on; one value pasted over many cells goes into each.
void EnemyTableView::pasteText(const QString &text)
{
    const std::vector<TableCell> selected = selectedCells();
    if (text.isEmpty() || selected.empty())
        return;
    if (text.size() > MAX_PASTED_TEXT) {
        emit refused(tr("Nothing was pasted: the text is over %1 MiB, far more than the table's "
                        "cells hold.")
                         .arg(MAX_PASTED_TEXT >> 20));
        return;
    }
    const std::vector<int> order = visibleSections();
    const QModelIndexList indexes = table_->selectionModel()->selectedIndexes();
    int firstRow = proxy_->rowCount();
    std::size_t firstColumn = order.size();
    for (const QModelIndex &index : indexes) {
        firstRow = std::min(firstRow, index.row());
        firstColumn = std::min(firstColumn, std::size_t(std::find(order.begin(), order.end(), index.column()) - order.begin()));
    }
    // Room for a header line, and for a row and a cell too many, to tell a
    // block too long or too wide from one that fits.
    std::vector<QStringList> block =
        SplitPastedText(text, std::size_t(proxy_->rowCount() - firstRow) + 2,
                        qsizetype(order.size() - firstColumn) + 1);
    // A header line, as Copy writes for whole columns, names the columns: it is no row.
    const QStringList &first = block.front();
    if (!first.isEmpty() && firstColumn + std::size_t(first.size()) <= order.size() &&
        ColumnTitle(model_->columnAt(order[firstColumn])) == first.front())
        block.erase(block.begin());

    std::vector<CellEdit> texts;
    if (block.size() == 1 && block.front().size() == 1) {
        for (const TableCell &cell : selected)
            texts.push_back({cell, ToModelText(block.front().front())});
    } else {
        if (firstRow + int(block.size()) > proxy_->rowCount()) {
            emit refused(tr("Nothing was pasted: the pasted rows reach past the last row shown."));
            return;
        }
        for (std::size_t r = 0; r < block.size(); ++r) {
            for (qsizetype c = 0; c < block[r].size(); ++c) {
                if (firstColumn + std::size_t(c) >= order.size())
                    break;
                const QModelIndex source =
                    proxy_->mapToSource(proxy_->index(firstRow + int(r), order[firstColumn + std::size_t(c)]));
                const TableCell cell = model_->cellAt(source);
                if (IsEditable(*cell.column))
                    texts.push_back({cell, ToModelText(block[r][c])});
            }
        }
    }
    cells_->edit(texts, tr("Paste %1").arg(Counted(qsizetype(texts.size()), Noun::Cell)),
                 tr("Nothing was pasted"));
}

void EnemyTableView::askAdjustment()
{
    const std::vector<TableCell> cells = selectedCells();
    const auto numbers = std::count_if(cells.begin(), cells.end(),
                                       [](const TableCell &cell) { return IsNumberColumn(*cell.column); });
    if (numbers == 0) {
        emit refused(tr("Nothing to adjust: select number cells (HP, Level, a byte…) first."));
        return;
    }
    if (const auto adjustment = prompter_.adjustment(this, cells_->adjustQuestion(cells)))
        cells_->adjust(cells, *adjustment);
}

void EnemyTableView::showDifferences(int mode)
{
    proxy_->setOnlyDifferingRows(mode > 0);
    model_->showOnlyDifferingCells(mode == 2);
}

} // namespace mobwright

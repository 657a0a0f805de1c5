#pragma once

#include "LabelForms.h"
#include "TableEdits.h"

#include <QWidget>

#include <memory>
#include <vector>

class QLabel;
class QStatusBar;
class QVBoxLayout;
class QTableView;

namespace mobwright {

class CellCommands;
class RecordCommands;
class EnemyTableModel;
class EnemyTableFilter;
class FilterBar;
class HeaderMenu;
class HeaderSelection;
class ImageSession;
class Prompter;
class Settings;

// "View › Enemy Table": every enemy of the session's image, with its pending
// edits, in a window of its own, as a sheet to edit: cells edit in place,
// copy and paste as a spreadsheet does, fill down and adjust many at once;
// rows are filtered by comparisons per column and by the values ticked in a
// column's drop-down. A click on a column's title, or on an enemy's number,
// selects the column or row. The Enemy and Name columns stay in view when
// the others scroll sideways.
class EnemyTableView : public QWidget
{
    Q_OBJECT

public:
    // The columns hidden are kept in settings.
    EnemyTableView(ImageSession &session, std::shared_ptr<Settings> settings, Prompter &prompter,
                   QWidget *parent = nullptr);

    EnemyTableModel &model() { return *model_; }
    // The enemies of the rows shown, in their order, and the columns shown.
    std::vector<int> shownRows() const;
    std::vector<const Column *> shownColumns() const;
    // The cells selected, row by row in the order shown.
    std::vector<TableCell> selectedCells() const;

    void pasteText(const QString &text);
    // Selects the rows of enemies the filter shows, the first current: only
    // their cells of column when one is given, so that Adjust… works on them.
    void selectEnemies(const std::vector<int> &enemies, const Column *column = nullptr);

signals:
    // Enter on a row, or "Show in Form": the window goes to that enemy.
    void enemyChosen(int index);
    // The filter shows other rows now.
    void shownRowsChanged();
    void applyAllRequested();
    void undoRequested();
    void redoRequested();
    // Edits of many cells that were not taken, and why.
    void refused(const QString &message);
    // "Name This Entry…" on a cell of a long list.
    void nameEntryRequested(ListEntry entry);

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    void buildViews(std::shared_ptr<Settings> settings);
    void buildActions();
    void freezeLeadingColumns();
    void buildFilterRow(QVBoxLayout &column);
    void sizeColumns(QTableView *view, const QList<int> &sections);
    void copySelection();
    void askAdjustment();
    // 0 all rows, 1 the rows that differ from the baseline, 2 those rows
    // with only their differing cells filled.
    void showDifferences(int mode);
    std::vector<int> visibleSections() const;
    void updateCount();

    ImageSession &session_;
    Prompter &prompter_;
    EnemyTableModel *model_;
    EnemyTableFilter *proxy_;
    CellCommands *cells_;
    RecordCommands *records_;
    FilterBar *filter_;
    QLabel *count_;
    QStatusBar *status_;
    HeaderSelection *headerSelection_ = nullptr;
    HeaderMenu *headerMenu_ = nullptr;
    QTableView *frozen_;
    QTableView *table_;
    bool columnsSized_ = false;
};

} // namespace mobwright

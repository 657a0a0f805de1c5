#pragma once

#include "LabelForms.h"
#include "WindowParts.h"
#include "WriteOutcome.h"

#include <QObject>

#include <vector>

class QAction;
class QMenu;

namespace mobwright {

class EnemyTableView;
struct Column;
struct FileFormat;

// The window's side of the whole table: View › Enemy Table, and File ›
// Export Table… and Import Table….
class TableActions : public QObject
{
    Q_OBJECT

public:
    explicit TableActions(const WindowParts &parts);

    // Export Table… and Import Table….
    void addFileEntries(QMenu *file);
    void addViewEntries(QMenu *view);

    // "Export Table…" and "Import Table…" once a file is chosen.
    // onlyShown: only the rows and columns the table view shows.
    void exportTableTo(const QString &path, const FileFormat &format, bool onlyShown = false);
    void importTableFrom(const QString &path);
    // The table view goes while the session it shows lives.
    void closeTable();
    // View › Enemy Table: the table view, made on first use, shown in front.
    void showTable();
    // The enemies of the rows the table's filter shows, in its order; every
    // enemy until the table view is first made.
    std::vector<int> filteredEnemies() const;
    // Selects the rows of enemies in the table view, or only their cells of
    // column when one is given; the view is shown first when show is set.
    void selectInTable(const std::vector<int> &enemies, bool show, const Column *column = nullptr);

signals:
    // What the table view asks of the window.
    void applyAllRequested();
    void undoRequested();
    void redoRequested();
    void nameEntryRequested(ListEntry entry);
    // A write that failed, for the window to tell.
    void writeFailed(const QString &what, const WriteOutcome &outcome);
    // The table's filter shows other rows now.
    void filteredEnemiesChanged();

private:
    void chooseExportFile();
    void chooseImportFile();
    void showState();

    WindowParts parts_;
    ImageSession &session_;
    QAction *table_;
    QAction *export_;
    QAction *import_;
    EnemyTableView *tableView_ = nullptr;
};

} // namespace mobwright

#pragma once

#include "LabelForms.h"
#include "WindowParts.h"
#include "WriteOutcome.h"

#include <QObject>

class QAction;
class QMenu;

namespace mobwright {

class EnemyTableView;
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

signals:
    // What the table view asks of the window.
    void applyAllRequested();
    void undoRequested();
    void redoRequested();
    void nameEntryRequested(ListEntry entry);
    // A write that failed, for the window to tell.
    void writeFailed(const QString &what, const WriteOutcome &outcome);

private:
    void showTable();
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

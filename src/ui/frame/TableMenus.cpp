// The window's side of the whole table: the enemy table view, export and
// import through the File menu.
#include "MainWindow.h"

#include "EnemyTableView.h"
#include "Comparison.h"
#include "Counted.h"
#include "ImportPlan.h"
#include "ChangesPreview.h"
#include "OutputFile.h"
#include "QtText.h"
#include "RomError.h"
#include "FileFormats.h"
#include "TableExport.h"

#include <QDir>
#include <QFileInfo>
#include <QStatusBar>

namespace mobwright {
namespace {

const FormatHelper TABLES({FormatKind::Table});

// The table as the file holds it, its lists labelled as the window labels them.
EnemyTable StoredTable(const ImageSession &session)
{
    EnemyTable table(session.storedRecords());
    table.longLabels = &session.labels();
    return table;
}

} // namespace

void MainWindow::showTable()
{
    if (!tableView_) {
        tableView_ = new EnemyTableView(session_, settings_, *prompter_, this);
        connect(tableView_, &EnemyTableView::enemyChosen, this, [this](int index) {
            showEnemy(index);
            raise();
            activateWindow();
        });
        connect(tableView_, &EnemyTableView::applyAllRequested, this, [this] { applyAll(true); });
        connect(tableView_, &EnemyTableView::undoRequested, this, [this] { stepHistory(true); });
        connect(tableView_, &EnemyTableView::redoRequested, this, [this] { stepHistory(false); });
        connect(tableView_, &EnemyTableView::refused, this, &MainWindow::warn);
        connect(tableView_, &EnemyTableView::nameEntryRequested, this, &MainWindow::nameEntry);
    }
    if (tableView_->isVisible()) {
        // Open already, and kept up to date: it only comes to the front.
        tableView_->raise();
        tableView_->activateWindow();
        return;
    }
    tableView_->show(); // a window shown anew is activated by the window manager
}

void MainWindow::chooseExportFile()
{
    const QFileInfo image(session_.path());
    const QString suggested = TABLES.fallback().withExtension(image.dir().filePath(image.completeBaseName()));
    QString filter;
    // Offered while the table view is open: only the rows and columns it shows.
    const bool tableShown = tableView_ && tableView_->isVisible();
    const QString path = prompter_->fileToSave(
        this, {tr("Export Table"), suggested, TABLES.filter(tableShown), OpenImages(session_)},
        &filter);
    if (!path.isEmpty())
        exportTableTo(path, TABLES.ofPath(path), tableShown && TABLES.isPartFilter(filter));
}

void MainWindow::exportTableTo(const QString &path, const FileFormat &format, bool onlyShown)
{
    TextTable table = ExportTable(StoredTable(session_));
    if (onlyShown && tableView_)
        table = ShownPart(table, tableView_->shownRows(), tableView_->shownColumns());
    // Never over the open image, whatever name or link the dialog was given.
    if (const auto failure =
            SaveOutput({path, OpenImages(session_)}, format.writeTable(table)))
        warn(failure->message);
    else
        statusBar()->showMessage(tr("Table exported to %1").arg(QDir::toNativeSeparators(path)));
}

void MainWindow::chooseImportFile()
{
    const QString path = prompter_->tableToImport(this, QFileInfo(session_.path()).absolutePath());
    if (!path.isEmpty())
        importTableFrom(path);
}

void MainWindow::importTableFrom(const QString &path)
{
    const auto planned = PlanImportOfFile(path, TABLES.ofPath(path), StoredTable(session_));
    if (const auto *unreadable = std::get_if<UnreadableFile>(&planned)) {
        warn(unreadable->message);
        return;
    }
    if (const auto *refusals = std::get_if<RefusalList>(&planned)) {
        warn(tr("%1 is not imported, and nothing was written:\n\n%2")
                 .arg(QFileInfo(path).fileName(), RefusalLines(*refusals).join(u'\n')));
        return;
    }
    const ImportPlan &plan = std::get<ImportPlan>(planned);
    if (plan.records.empty()) {
        warn(tr("The image already holds this table: nothing was written."));
        return;
    }
    const QString summary =
        tr("Importing %1 changes %2 in %3. Write these changes into the image?")
            .arg(QFileInfo(path).fileName(), Counted(qsizetype(plan.records.size()), Noun::Enemy),
                 Counted(qsizetype(plan.cells.size()), Noun::Field));
    if (!prompter_->confirmChanges(this, tr("Import Table"), summary, plan.cells))
        return;
    const QString what = tr("Import of %1").arg(QFileInfo(path).fileName());
    const WriteOutcome outcome = session_.writeChanges(plan.records, what);
    if (outcome.kind == WriteOutcome::Kind::Written)
        statusBar()->showMessage(
            tr("%1: %2 written and synced")
                .arg(what, Counted(qsizetype(plan.records.size()), Noun::Enemy)));
    else
        tellOutcome(what, outcome);
}

} // namespace mobwright

#include "TableActions.h"

#include "EnemyNavigator.h"
#include "EnemyTableView.h"
#include "ImageSession.h"
#include "Prompter.h"
#include "Comparison.h"
#include "Counted.h"
#include "ImportPlan.h"
#include "OutputFile.h"
#include "QtText.h"
#include "RomError.h"
#include "FileFormats.h"
#include "TableExport.h"
#include "WindowPlace.h"

#include <QDir>
#include <QFileInfo>
#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>

#include <numeric>

namespace mobwright {
namespace {

const FormatHelper TABLES({FormatKind::Table});

} // namespace

TableActions::TableActions(const WindowParts &parts)
    : QObject(&parts.window)
    , parts_(parts)
    , session_(parts.session)
    , table_(new QAction(tr("Enemy &Table"), this))
    , export_(new QAction(tr("&Export Table…"), this))
    , import_(new QAction(tr("&Import Table…"), this))
{
    table_->setObjectName(QStringLiteral("mnuTable"));
    table_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(table_, &QAction::triggered, this, &TableActions::showTable);
    export_->setObjectName(QStringLiteral("mnuExport"));
    connect(export_, &QAction::triggered, this, &TableActions::chooseExportFile);
    import_->setObjectName(QStringLiteral("mnuImport"));
    connect(import_, &QAction::triggered, this, &TableActions::chooseImportFile);
    connect(&session_, &ImageSession::opened, this, &TableActions::showState);
    connect(&session_, &ImageSession::closed, this, &TableActions::showState);
    showState();
}

void TableActions::addFileEntries(QMenu *file)
{
    file->addActions({export_, import_});
}

void TableActions::addViewEntries(QMenu *view)
{
    view->addAction(table_);
}

void TableActions::showState()
{
    for (QAction *action : {table_, export_, import_})
        action->setEnabled(session_.isOpen());
}

void TableActions::closeTable()
{
    if (tableView_)
        tableView_->close();
}

std::vector<int> TableActions::filteredEnemies() const
{
    if (tableView_)
        return tableView_->shownRows();
    std::vector<int> all(ENEMY_COUNT);
    std::iota(all.begin(), all.end(), 0);
    return all;
}

void TableActions::selectInTable(const std::vector<int> &enemies, bool show, const Column *column)
{
    if (show)
        showTable();
    if (tableView_)
        tableView_->selectEnemies(enemies, column);
}

void TableActions::showTable()
{
    if (!tableView_) {
        tableView_ = new EnemyTableView(session_, parts_.settings, parts_.prompter, &parts_.window);
        new WindowPlace(*tableView_, parts_.settings, QStringLiteral("table/geometry"),
                        WindowPlace::Fit::WithinScreen);
        connect(tableView_, &EnemyTableView::enemyChosen, this, [this](int index) {
            parts_.navigator.showEnemy(index);
            parts_.window.raise();
            parts_.window.activateWindow();
        });
        connect(tableView_, &EnemyTableView::applyAllRequested, this,
                &TableActions::applyAllRequested);
        connect(tableView_, &EnemyTableView::undoRequested, this, &TableActions::undoRequested);
        connect(tableView_, &EnemyTableView::redoRequested, this, &TableActions::redoRequested);
        connect(tableView_, &EnemyTableView::refused, this,
                [this](const QString &message) { parts_.prompter.warn(tableView_, message); });
        connect(tableView_, &EnemyTableView::nameEntryRequested, this,
                &TableActions::nameEntryRequested);
        connect(tableView_, &EnemyTableView::shownRowsChanged, this,
                &TableActions::filteredEnemiesChanged);
    }
    if (tableView_->isVisible()) {
        // Open already, and kept up to date: it only comes to the front.
        tableView_->raise();
        tableView_->activateWindow();
        return;
    }
    tableView_->show(); // a window shown anew is activated by the window manager
}

void TableActions::chooseExportFile()
{
    const QFileInfo image(session_.path());
    const QString suggested =
        TABLES.fallback().withExtension(image.dir().filePath(image.completeBaseName()));
    QString filter;
    // Offered while the table view is open: only the rows and columns it shows.
    const bool tableShown = tableView_ && tableView_->isVisible();
    const QString path = parts_.prompter.fileToSave(
        &parts_.window,
        {tr("Export Table"), suggested, TABLES.filter(tableShown), OpenImages(session_)}, &filter);
    if (!path.isEmpty())
        exportTableTo(path, TABLES.ofPath(path), tableShown && TABLES.isPartFilter(filter));
}

void TableActions::exportTableTo(const QString &path, const FileFormat &format, bool onlyShown)
{
    TextTable table = ExportTable(EnemyTable(session_.storedRecords(), &session_.labels()));
    if (onlyShown && tableView_)
        table = ShownPart(table, tableView_->shownRows(), tableView_->shownColumns());
    // Never over the open image, whatever name or link the dialog was given.
    if (const auto failure = SaveOutput({path, OpenImages(session_)}, format.writeTable(table)))
        parts_.prompter.warn(&parts_.window, failure->message);
    else
        parts_.window.statusBar()->showMessage(
            tr("Table exported to %1").arg(QDir::toNativeSeparators(path)));
}

void TableActions::chooseImportFile()
{
    const QString path =
        parts_.prompter.tableToImport(&parts_.window, QFileInfo(session_.path()).absolutePath());
    if (!path.isEmpty())
        importTableFrom(path);
}

void TableActions::importTableFrom(const QString &path)
{
    const auto planned = PlanImportOfFile(path, TABLES.ofPath(path),
                                          EnemyTable(session_.storedRecords(), &session_.labels()));
    if (const auto *unreadable = std::get_if<UnreadableFile>(&planned)) {
        parts_.prompter.warn(&parts_.window, unreadable->message);
        return;
    }
    if (const auto *refusals = std::get_if<RefusalList>(&planned)) {
        parts_.prompter.warn(
            &parts_.window,
            tr("%1 is not imported, and nothing was written:\n\n%2")
                .arg(QFileInfo(path).fileName(), RefusalLines(*refusals).join(u'\n')));
        return;
    }
    const ImportPlan &plan = std::get<ImportPlan>(planned);
    if (plan.records.empty()) {
        parts_.prompter.warn(&parts_.window,
                             tr("The image already holds this table: nothing was written."));
        return;
    }
    const QString summary =
        tr("Importing %1 changes %2 in %3. Write these changes into the image?")
            .arg(QFileInfo(path).fileName(), Counted(qsizetype(plan.records.size()), Noun::Enemy),
                 Counted(qsizetype(plan.cells.size()), Noun::Field));
    if (!parts_.prompter.confirmChanges(&parts_.window, tr("Import Table"), summary, plan.cells))
        return;
    const QString what = tr("Import of %1").arg(QFileInfo(path).fileName());
    const WriteOutcome outcome = session_.writeChanges(plan.records, what);
    if (outcome.kind == WriteOutcome::Kind::Written)
        parts_.window.statusBar()->showMessage(
            tr("%1: %2 written and synced")
                .arg(what, Counted(qsizetype(plan.records.size()), Noun::Enemy)));
    else
        emit writeFailed(what, outcome);
}

} // namespace mobwright

// The window's side of the whole table: the enemy table view, export and
// import through the File menu.
#include "MainWindow.h"

#include "EnemyTableView.h"
#include "ImportPlan.h"
#include "ImportPreview.h"
#include "QtText.h"
#include "RomError.h"
#include "TableExport.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStatusBar>

namespace mobwright {
namespace {

const QString TableFilters = QStringLiteral("CSV Files (*.csv);;JSON Files (*.json)");

// The table as the file holds it, its lists labelled as the window labels them.
EnemyTable StoredTable(const ImageSession &session)
{
    EnemyTable table(session.storedRecords());
    table.longLabels = &session.labels();
    return table;
}

} // namespace

void Main::showTable()
{
    if (!tableView_) {
        tableView_ = new EnemyTableView(session_, this);
        connect(tableView_, &EnemyTableView::enemyChosen, this, [this](int index) {
            goToEnemy(index);
            raise();
            activateWindow();
        });
    }
    if (tableView_->isVisible()) {
        // Open already, and kept up to date: it only comes to the front.
        tableView_->raise();
        tableView_->activateWindow();
        return;
    }
    tableView_->show(); // a window shown anew is activated by the window manager
}

void Main::mnuExport_Click()
{
    const QString suggested = QFileInfo(session_.path()).completeBaseName() + ".csv";
    QString filter;
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export Table"), suggested,
                                                TableFilters, &filter);
    if (path.isEmpty())
        return;
    // A name without an extension takes the chosen filter's, which decides the format.
    if (QFileInfo(path).suffix().isEmpty())
        path += filter.contains(QStringLiteral("json")) ? QStringLiteral(".json")
                                                        : QStringLiteral(".csv");
    exportTableTo(path);
}

void Main::exportTableTo(const QString &path)
{
    if (const auto failure = SaveTable(ExportTable(StoredTable(session_)), path, FormatOfPath(path)))
        report(*failure);
}

void Main::mnuImport_Click()
{
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("Import Table"), QString(), TableFilters);
    if (!path.isEmpty())
        importTableFrom(path);
}

void Main::importTableFrom(const QString &path)
{
    const auto planned = PlanImportOfFile(path, StoredTable(session_));
    if (const auto *refusals = std::get_if<QStringList>(&planned)) {
        report(refusals->join(u'\n') + QStringLiteral("\n\nNothing was written."));
        return;
    }
    const ImportPlan &plan = std::get<ImportPlan>(planned);
    if (plan.records.empty()) {
        report(QStringLiteral("The image already holds this table: nothing was written."));
        return;
    }
    if (ImportPreview(plan, QFileInfo(path).fileName(), this).exec() != QDialog::Accepted)
        return;
    const QString what = QStringLiteral("Import of ") + QFileInfo(path).fileName();
    const WriteOutcome outcome = session_.writeChanges(plan.records, what);
    if (outcome.kind == WriteOutcome::Kind::Written)
        statusBar()->showMessage(what + QStringLiteral(": %1 written and synced")
                                            .arg(plan.records.size() == 1
                                                     ? QStringLiteral("1 enemy")
                                                     : QStringLiteral("%1 enemies")
                                                           .arg(plan.records.size())));
    else
        tell(what, outcome);
}

} // namespace mobwright

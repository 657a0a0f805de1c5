// The window's side of the whole table: the enemy table view, export and
// import through the File menu.
#include "MainWindow.h"

#include "EnemyTableView.h"
#include "ImportPlan.h"
#include "ImportPreview.h"
#include "QtText.h"
#include "RecordStore.h"
#include "RomError.h"
#include "TableExport.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QStatusBar>

namespace mobwright {
namespace {

const QString TableFilters = QStringLiteral("CSV Files (*.csv);;JSON Files (*.json)");

QString ImageName(const RomFile &rom)
{
    return QFileInfo(QFile::decodeName(rom.path().c_str())).fileName();
}

} // namespace

void Main::buildTableMenus()
{
    // In the File menu above "Quit", a group of their own.
    QMenu *file = menuBar()->findChild<QMenu *>(QStringLiteral("mnuFile"));
    QAction *quit = file->findChild<QAction *>(QStringLiteral("mnuQuit"));
    auto *exportTable = new QAction(QStringLiteral("Export Table…"), file);
    exportTable->setObjectName(QStringLiteral("mnuExport"));
    connect(exportTable, &QAction::triggered, this, &Main::mnuExport_Click);
    auto *importTable = new QAction(QStringLiteral("Import Table…"), file);
    importTable->setObjectName(QStringLiteral("mnuImport"));
    connect(importTable, &QAction::triggered, this, &Main::mnuImport_Click);
    file->insertActions(quit, {exportTable, importTable});
    file->insertSeparator(quit);

    QMenu *view = menuBar()->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    QAction *table = view->addAction(QStringLiteral("Enemy Table"), this, &Main::mnuTable_Click);
    table->setObjectName(QStringLiteral("mnuTable"));
    table->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));

    imageActions_.insert(imageActions_.end(), {exportTable, importTable, table});
    connect(this, &Main::recordsChanged, this, &Main::refreshTable);
}

void Main::tableImageChanged()
{
    if (!RomLoaded && tableView_)
        tableView_->close();
    refreshTable();
}

void Main::mnuTable_Click()
{
    if (!tableView_) {
        tableView_ = new EnemyTableView(this);
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
    refreshTable();
}

void Main::refreshTable()
{
    if (!RomLoaded || !tableView_ || !tableView_->isVisible())
        return;
    try {
        tableView_->showTable(readTable(), ImageName(rom_));
    } catch (const RomError &error) {
        tableView_->close();
        report(QStringLiteral("Cannot read the enemy table: %1").arg(ToQString(error.what())));
    }
}

EnemyTable Main::readTable()
{
    EnemyTable table(ReadAllRecords(rom_));
    table.longLabels = &listLabels_;
    return table;
}

void Main::mnuExport_Click()
{
    const QString suggested =
        QFileInfo(QFile::decodeName(rom_.path().c_str())).completeBaseName() + ".csv";
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
    try {
        if (const auto failure = SaveTable(ExportTable(readTable()), path, FormatOfPath(path)))
            report(*failure);
    } catch (const RomError &error) {
        report(QStringLiteral("Cannot read the enemy table: %1").arg(ToQString(error.what())));
    }
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
    // Edits in the window go first, since the import is planned from the file.
    if (!settleUnappliedEdits())
        return;
    std::variant<ImportPlan, QStringList> planned;
    try {
        planned = PlanImportOfFile(path, readTable());
    } catch (const RomError &error) {
        report(QStringLiteral("Cannot read the enemy table: %1").arg(ToQString(error.what())));
        return;
    }
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
    try {
        ReplaceRecords(rom_, plan.records);
    } catch (const RomError &error) {
        report(QStringLiteral("The table could not be imported: %1").arg(ToQString(error.what())));
        return;
    }
    const QString what = QStringLiteral("Import of %1").arg(QFileInfo(path).fileName());
    recordWritten(plan.records, what);
    statusBar()->showMessage(
        QStringLiteral("%1: %2 enemies written and synced").arg(what).arg(plan.records.size()));
}

} // namespace mobwright

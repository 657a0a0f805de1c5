#include "ImportPreview.h"

#include "ImportPlan.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace mobwright {
namespace {

QTableWidget *ChangeTable(const ImportPlan &plan)
{
    auto *table = new QTableWidget(static_cast<int>(plan.cells.size()), 4);
    table->setObjectName(QStringLiteral("tblChanges"));
    table->setHorizontalHeaderLabels({QStringLiteral("Enemy"), QStringLiteral("Field"),
                                      QStringLiteral("Old"), QStringLiteral("New")});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    int row = 0;
    for (const CellChange &cell : plan.cells) {
        const QString texts[] = {cell.enemy, cell.column, cell.before, cell.after};
        for (int c = 0; c < 4; ++c)
            table->setItem(row, c, new QTableWidgetItem(texts[c]));
        ++row;
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

} // namespace

ImportPreview::ImportPreview(const ImportPlan &plan, const QString &fileName, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmImportPreview"));
    setWindowTitle(QStringLiteral("Import Table"));
    // The file's name is put in whole, never through arg(), which would read its "%1".
    const QString fields = plan.cells.size() == 1
                               ? QStringLiteral("1 field")
                               : QStringLiteral("%1 fields").arg(plan.cells.size());
    auto *summary =
        new QLabel(QStringLiteral("Importing ") + fileName +
                   QStringLiteral(" changes %1 in %2. Write these changes into the image?")
                       .arg(EnemyCount(plan.records.size()), fields));
    summary->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    QPushButton *write =
        buttons->addButton(QStringLiteral("Write Changes"), QDialogButtonBox::AcceptRole);
    write->setObjectName(QStringLiteral("cmdImport"));
    buttons->button(QDialogButtonBox::Cancel)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *column = new QVBoxLayout(this);
    column->addWidget(summary);
    column->addWidget(ChangeTable(plan), 1);
    column->addWidget(buttons);
    resize(720, 420);
}

} // namespace mobwright

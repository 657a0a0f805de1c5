#include "ChangesPreview.h"

#include "ConflictMarks.h"
#include "MarkColours.h"
#include "Counted.h"
#include "ImportPlan.h"
#include "MessageBox.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace mobwright {
namespace {

// This file's texts, as translators see them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ChangesPreview)
};

// A row another program changed too: its new value has a box, unticked.
void MarkConflictRow(QTableWidget &table, int row, const CellChange &cell)
{
    const QString tip = Text::tr("The file now holds %1; your edit is %2. Tick it to write yours.")
                            .arg(cell.before, cell.after);
    for (int c = 0; c < table.columnCount(); ++c) {
        QTableWidgetItem *item = table.item(row, c);
        item->setBackground(MarkFill(Mark::Conflict));
        item->setForeground(MarkText(Mark::Conflict));
        item->setToolTip(tip);
    }
    QTableWidgetItem *yours = table.item(row, 3);
    yours->setFlags(yours->flags() | Qt::ItemIsUserCheckable);
    yours->setCheckState(Qt::Unchecked);
}

QTableWidget *ChangeTable(const std::vector<CellChange> &cells, const std::vector<bool> &conflicting)
{
    auto *table = new QTableWidget(static_cast<int>(cells.size()), 4);
    table->setObjectName(QStringLiteral("tblChanges"));
    table->setHorizontalHeaderLabels(
        {Text::tr("Enemy"), Text::tr("Field"), Text::tr("Old"), Text::tr("New")});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    int row = 0;
    for (const CellChange &cell : cells) {
        const QString after =
            cell.unlisted ? Text::tr("%1 (no list names it)").arg(cell.after) : cell.after;
        const QString texts[] = {cell.enemy, cell.column, cell.before, after};
        for (int c = 0; c < 4; ++c)
            table->setItem(row, c, new QTableWidgetItem(texts[c]));
        if (conflicting.size() > std::size_t(row) && conflicting[std::size_t(row)])
            MarkConflictRow(*table, row, cell);
        ++row;
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

} // namespace

bool ConfirmChanges(QWidget *parent, const QString &title, const QString &summary,
                    const std::vector<CellChange> &cells)
{
    return ConfirmApply(parent, title, summary, cells, {}).has_value();
}

std::optional<std::vector<bool>> ConfirmApply(QWidget *parent, const QString &title,
                                              const QString &summary,
                                              const std::vector<CellChange> &cells,
                                              const std::vector<bool> &conflicting)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("frmChangesPreview"));
    dialog.setWindowTitle(title);
    auto *text = new QLabel(summary);
    text->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    QPushButton *write =
        buttons->addButton(Text::tr("&Write Changes"), QDialogButtonBox::AcceptRole);
    write->setObjectName(QStringLiteral("cmdWriteChanges"));
    SetAccessKeys(*buttons);
    buttons->button(QDialogButtonBox::Cancel)->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *column = new QVBoxLayout(&dialog);
    column->addWidget(text);
    QTableWidget *table = ChangeTable(cells, conflicting);
    column->addWidget(table, 1);
    // Values that no list names are written only when the user asks for them.
    if (const auto unlisted = std::ranges::count_if(cells, &CellChange::unlisted)) {
        auto *take =
            new QCheckBox(Text::tr("&Also write %1").arg(Counted(unlisted, Noun::UnlistedValue)));
        take->setObjectName(QStringLiteral("chkUnlisted"));
        write->setEnabled(false);
        QObject::connect(take, &QCheckBox::toggled, write, &QPushButton::setEnabled);
        column->addWidget(take);
    }
    column->addWidget(buttons);
    dialog.resize(720, 420);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    std::vector<bool> ticked;
    for (int row = 0; row < table->rowCount(); ++row)
        ticked.push_back(table->item(row, 3)->checkState() == Qt::Checked);
    return ticked;
}

} // namespace mobwright

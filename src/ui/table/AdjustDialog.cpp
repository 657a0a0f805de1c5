#include "AdjustDialog.h"

#include "Counted.h"
#include "MarkColours.h"
#include "MessageBox.h"
#include "QtText.h"
#include "TypedAdjustment.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cmath>

namespace mobwright {

namespace {

// This file's texts, as translators see them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(AdjustDialog)
};

QString Number(double value)
{
    if (std::isnan(value))
        return Text::tr("no number");
    return QLocale().toString(value, 'f', std::abs(value) < 1e15 ? 0 : 1);
}

// "Multiply by 1.1", "Formula: Level * 12 + 30": what the typed text does.
QString Meaning(const Adjustment &adjustment)
{
    const QString value = QLocale().toString(adjustment.value, 'g', 12);
    switch (adjustment.operation) {
    case Adjustment::Operation::SetTo: return Text::tr("Set to %1").arg(value);
    case Adjustment::Operation::Add: return Text::tr("Add %1").arg(value);
    case Adjustment::Operation::MultiplyBy: return Text::tr("Multiply by %1").arg(value);
    case Adjustment::Operation::Formula: break;
    }
    return Text::tr("Formula: %1").arg(adjustment.formula);
}

// The changed cells in the list, those clamped and refused marked so in
// words and colour; gives what the adjustment comes to, and whether it can
// be made.
std::pair<QString, bool> ShowPreview(QTreeWidget &list, const AdjustQuestion &question,
                                     const Adjustment &adjustment)
{
    list.setUpdatesEnabled(false);
    list.clear();
    const auto adjusted = question.preview(adjustment);
    if (const auto *refusal = std::get_if<Refusal>(&adjusted)) {
        list.setUpdatesEnabled(true);
        return {ToQString(refusal->message()), false};
    }
    int changed = 0, clamped = 0, refused = 0;
    QList<QTreeWidgetItem *> rows;
    for (const AdjustedCell &cell : std::get<std::vector<AdjustedCell>>(adjusted)) {
        if (cell.after == cell.before && !cell.refused)
            continue;
        QString after = Number(cell.after);
        Mark mark = Mark::Edited;
        if (cell.refused) {
            after = Text::tr("%1: refused, outside 0 to %2").arg(Number(cell.worked), Number(cell.largest));
            mark = Mark::Refused;
            ++refused;
        } else if (cell.clamped()) {
            after = Text::tr("%1 (clamped from %2)").arg(Number(cell.after), Number(cell.worked));
            mark = Mark::Conflict;
            ++clamped;
        }
        ++changed;
        auto *row = new QTreeWidgetItem(
            {question.enemyLabel(cell.cell.enemy), ColumnTitle(*cell.cell.column), Number(cell.before), after});
        if (mark != Mark::Edited) {
            for (int column = 0; column < row->columnCount(); ++column) {
                row->setBackground(column, MarkFill(mark, list.palette()));
                row->setForeground(column, MarkText(mark, list.palette()));
            }
        }
        rows.append(row);
    }
    list.addTopLevelItems(rows);
    list.setUpdatesEnabled(true);
    QString summary = Text::tr("%1: %2 change").arg(Meaning(adjustment), Counted(changed, Noun::Cell));
    if (clamped > 0)
        summary += Text::tr(", %1 clamped").arg(clamped);
    if (refused > 0)
        summary += Text::tr(", %1 refused: nothing would be adjusted").arg(refused);
    return {summary, refused == 0};
}

} // namespace

std::optional<Adjustment> AskAdjustment(QWidget *parent, const AdjustQuestion &question)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("frmAdjust"));
    dialog.setWindowTitle(Text::tr("Adjust"));
    auto *operation = new QComboBox;
    operation->setObjectName(QStringLiteral("cmbOperation"));
    operation->addItems({Text::tr("Set to"), Text::tr("Add"), Text::tr("Multiply by"), Text::tr("Formula")});
    operation->setCurrentIndex(2);
    auto *value = new QLineEdit(QStringLiteral("1.1"));
    value->setObjectName(QStringLiteral("txtAdjustBy"));
    value->setToolTip(Text::tr("A number for the operation chosen; or a sign and a number: × 1.1, *1.1, "
                               "/2, +10, -5, +10%, = 300; or a formula over the row's columns by their "
                               "keys: Level * 12 + 30, max(HP, 100), round(Exp * 1.1)"));
    value->selectAll();
    auto *clamp = new QRadioButton(Text::tr("C&lamp them to the field's range"));
    clamp->setObjectName(QStringLiteral("optClamp"));
    clamp->setChecked(true);
    auto *refuse = new QRadioButton(Text::tr("&Refuse the adjustment"));
    refuse->setObjectName(QStringLiteral("optRefuse"));
    auto *summary = new QLabel;
    summary->setObjectName(QStringLiteral("lblAdjustPreview"));
    summary->setWordWrap(true);
    auto *preview = new QTreeWidget;
    preview->setObjectName(QStringLiteral("lstAdjustPreview"));
    preview->setRootIsDecorated(false);
    preview->setHeaderLabels({Text::tr("Enemy"), Text::tr("Column"), Text::tr("Old"), Text::tr("New")});
    preview->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    preview->setAccessibleName(Text::tr("Changes the adjustment makes"));
    auto *form = new QFormLayout;
    form->addRow(Text::tr("O&peration:"), operation);
    form->addRow(Text::tr("&Value or formula:"), value);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    SetAccessKeys(*buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    const auto chosen = [=] {
        return ReadAdjustment(value->text(), static_cast<Adjustment::Operation>(operation->currentIndex()),
                              clamp->isChecked());
    };
    const auto update = [=] {
        const auto [said, possible] = ShowPreview(*preview, question, chosen());
        summary->setText(said);
        buttons->button(QDialogButtonBox::Ok)->setEnabled(possible);
    };
    QObject::connect(value, &QLineEdit::textChanged, &dialog, update);
    QObject::connect(operation, &QComboBox::currentIndexChanged, &dialog, update);
    QObject::connect(clamp, &QRadioButton::toggled, &dialog, update);
    auto *column = new QVBoxLayout(&dialog);
    column->addWidget(new QLabel(Text::tr("Adjust %1 number cells; results are rounded to whole "
                                          "numbers.")
                                     .arg(question.cellCount)));
    column->addLayout(form);
    column->addWidget(new QLabel(Text::tr("Values that leave a field's range:")));
    column->addWidget(clamp);
    column->addWidget(refuse);
    column->addWidget(summary);
    column->addWidget(preview, 1);
    column->addWidget(buttons);
    update();
    value->setFocus();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return chosen();
}

} // namespace mobwright

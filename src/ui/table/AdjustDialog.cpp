#include "AdjustDialog.h"

#include "MessageBox.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace mobwright {

namespace {

// This file's texts, as translators see them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(AdjustDialog)
};

} // namespace

std::optional<Adjustment> AskAdjustment(QWidget *parent, int cellCount)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("frmAdjust"));
    dialog.setWindowTitle(Text::tr("Adjust"));
    auto *operation = new QComboBox;
    operation->setObjectName(QStringLiteral("cmbOperation"));
    operation->addItems({Text::tr("Set to"), Text::tr("Add"), Text::tr("Multiply by")});
    operation->setCurrentIndex(2);
    auto *value = new QLineEdit(QStringLiteral("1.1"));
    value->setObjectName(QStringLiteral("txtAdjustBy"));
    auto *validator = new QDoubleValidator(value);
    validator->setLocale(QLocale::c());
    value->setValidator(validator);
    auto *clamp = new QRadioButton(Text::tr("C&lamp them to the field's range"));
    clamp->setChecked(true);
    auto *refuse = new QRadioButton(Text::tr("&Refuse the adjustment"));
    auto *form = new QFormLayout;
    form->addRow(Text::tr("O&peration:"), operation);
    form->addRow(Text::tr("&Value:"), value);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    SetAccessKeys(*buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(value, &QLineEdit::textChanged, buttons, [value, buttons] {
        buttons->button(QDialogButtonBox::Ok)->setEnabled(value->hasAcceptableInput());
    });
    auto *column = new QVBoxLayout(&dialog);
    column->addWidget(new QLabel(Text::tr("Adjust %1 number cells; results are rounded to whole "
                                          "numbers.")
                                     .arg(cellCount)));
    column->addLayout(form);
    column->addWidget(new QLabel(Text::tr("Values that leave a field's range:")));
    column->addWidget(clamp);
    column->addWidget(refuse);
    column->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return Adjustment{static_cast<Adjustment::Operation>(operation->currentIndex()),
                      QLocale::c().toDouble(value->text()), clamp->isChecked()};
}

} // namespace mobwright

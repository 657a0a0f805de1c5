#include "UnappliedQuestion.h"

#include "MessageBox.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace mobwright {

namespace {

// This file's texts, as translators see them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(UnappliedQuestion)
};

} // namespace

UnappliedAnswer AskAboutUnappliedEdits(QWidget *parent, const QString &what)
{
    QMessageBox box(QMessageBox::Question, Text::tr("Mobwright"),
                    Text::tr("The edits to %1 have not been written.").arg(what),
                    QMessageBox::NoButton, parent);
    box.setInformativeText(Text::tr("Write them into the image before going on?"));
    QPushButton *apply = box.addButton(Text::tr("&Apply All"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(Text::tr("&Discard"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(QMessageBox::Cancel);
    SetAccessKeys(box);
    box.setDefaultButton(apply);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == apply)
        return UnappliedAnswer::Apply;
    return box.clickedButton() == discard ? UnappliedAnswer::Discard : UnappliedAnswer::Cancel;
}

} // namespace mobwright

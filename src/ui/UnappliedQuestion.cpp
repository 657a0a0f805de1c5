#include "UnappliedQuestion.h"

#include "MessageBox.h"

#include <QMessageBox>
#include <QPushButton>

namespace mobwright {

UnappliedAnswer AskAboutUnappliedEdits(QWidget *parent, const QString &what)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Mobwright"),
                    QStringLiteral("The edits to %1 have not been written.").arg(what),
                    QMessageBox::NoButton, parent);
    box.setInformativeText(QStringLiteral("Write them into the image before going on?"));
    QPushButton *apply = box.addButton(QStringLiteral("&Apply All"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(QStringLiteral("&Discard"), QMessageBox::DestructiveRole);
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

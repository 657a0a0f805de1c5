#include "UnappliedQuestion.h"

#include <QMessageBox>

namespace mobwright {

UnappliedAnswer AskAboutUnappliedEdits(QWidget *parent, const QString &enemy)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Mobwright"),
                    QStringLiteral("The edits to %1 have not been applied.").arg(enemy),
                    QMessageBox::Apply | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setInformativeText(QStringLiteral("Apply them to the image before going on?"));
    box.setDefaultButton(QMessageBox::Apply);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Apply:
        return UnappliedAnswer::Apply;
    case QMessageBox::Discard:
        return UnappliedAnswer::Discard;
    default:
        return UnappliedAnswer::Cancel;
    }
}

} // namespace mobwright

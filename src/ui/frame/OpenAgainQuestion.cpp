#include "OpenAgainQuestion.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace mobwright {
namespace {

// This file's texts, as translators see them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(OpenAgainQuestion)
};

} // namespace

bool AskToOpenAgain(QWidget *parent, const QString &message)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Mobwright"), message, QMessageBox::NoButton,
                    parent);
    QPushButton *again = box.addButton(Text::tr("&Open Again"), QMessageBox::AcceptRole);
    QPushButton *keep = box.addButton(Text::tr("&Keep Edits"), QMessageBox::RejectRole);
    box.setDefaultButton(keep);
    box.setEscapeButton(keep);
    box.exec();
    return box.clickedButton() == again;
}

} // namespace mobwright

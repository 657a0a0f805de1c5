#include "AboutBox.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace mobwright {

namespace {

// This file's texts, as translators see them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(AboutBox)
};

} // namespace

void ShowAboutMobwright(QWidget *parent, const QString &journals)
{
    QMessageBox::about(parent, Text::tr("About Mobwright"),
                       Text::tr("<h3>Mobwright %1</h3>"
                                "<p>Edits the enemy table of an SNES cartridge image, in place.</p>"
                                "<p>%2</p>"
                                "<p>Distributed under the MIT License.</p>")
                           .arg(QStringLiteral(MOBWRIGHT_VERSION), journals.toHtmlEscaped()));
}

} // namespace mobwright

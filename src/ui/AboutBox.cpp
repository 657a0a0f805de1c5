#include "AboutBox.h"

#include <QMessageBox>

namespace mobwright {

void ShowAboutMobwright(QWidget *parent)
{
    QMessageBox::about(
        parent, QStringLiteral("About Mobwright"),
        QStringLiteral("<h3>Mobwright %1</h3>"
                       "<p>Edits the enemy table of an SNES cartridge image, in place.</p>"
                       "<p>Distributed under the MIT License.</p>")
            .arg(QStringLiteral(MOBWRIGHT_VERSION)));
}

} // namespace mobwright

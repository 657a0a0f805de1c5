#include "LabelFolder.h"
#include "MainWindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Names the per-user data folder, where the user's label files are.
    QApplication::setApplicationName(QStringLiteral("Mobwright"));
    mobwright::Main window;
    window.show();
    window.useLabelFolder(mobwright::LabelFolder());
    // Like most desktop editors, an image named on the command line is opened at start.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        window.LoadImage(arguments.at(1));
    return QApplication::exec();
}

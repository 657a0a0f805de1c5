#include "CloseOnSignals.h"
#include "LabelFolder.h"
#include "MainWindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Names the per-user data folder, where the user's label files are.
    QApplication::setApplicationName(QStringLiteral("Mobwright"));
    mobwright::Main window;
    mobwright::CloseOnSignals(window);
    window.show();
    window.useLabelFolder(mobwright::LabelFolder());
    // Like most desktop editors, an image named on the command line is opened
    // at start; its name goes to the system as given, whatever bytes it holds.
    if (argc > 1)
        window.LoadImageFile(argv[1]);
    return QApplication::exec();
}

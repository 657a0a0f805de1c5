#include "MainWindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    mobwright::Main window;
    window.show();
    // Like most desktop editors, an image named on the command line is opened at start.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        window.LoadImage(arguments.at(1));
    return QApplication::exec();
}

// The floor the editor's start-up is held against: a main window with a menu
// bar and one label, shown, painted once and quit, as the start-up probe is.
#include "ShownOnce.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("&Quit"), &app,
                                                                 &QCoreApplication::quit);
    window.setCentralWidget(new QLabel(QStringLiteral("A bare window")));
    mobwright::bench::QuitOncePainted(window);
    window.show();
    return QApplication::exec();
}

// Starts the editor as its main() does, on the image given if any, and quits
// once its window is shown and painted. The benchmark times it from outside.
#include "LabelFolder.h"
#include "MainWindow.h"
#include "ShownOnce.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mobwright"));
    mobwright::MainWindow window;
    mobwright::bench::QuitOncePainted(window);
    window.show();
    window.useLabelFolder(mobwright::LabelFolder());
    if (argc > 1)
        window.loadImage(QString::fromLocal8Bit(argv[1]));
    return QApplication::exec();
}

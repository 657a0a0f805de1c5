// Starts the editor as its main() does, on the image given, and reports on
// standard output once the window is up: "shown", then the peak resident
// memory in kB with the image loaded. The benchmark times it from outside.
#include "LabelFolder.h"
#include "MainWindow.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <sys/resource.h>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mobwright"));
    mobwright::Main window;
    window.show();
    window.useLabelFolder(mobwright::LabelFolder());
    if (argc > 1)
        window.LoadImage(QString::fromLocal8Bit(argv[1]));
    QTimer::singleShot(0, &app, [&app] {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("shown %ld\n", usage.ru_maxrss);
        std::fflush(stdout);
        app.quit();
    });
    return QApplication::exec();
}

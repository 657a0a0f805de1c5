#include "CloseOnSignals.h"
#include "CommandLine.h"
#include "LabelFolder.h"
#include "MainWindow.h"

#include <QApplication>
#include <QFile>

namespace {

// Commands run without a display, so they get no window system at all.
int RunCommand(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QFile out;
    QFile err;
    out.open(stdout, QIODevice::WriteOnly);
    err.open(stderr, QIODevice::WriteOnly);
    return mobwright::RunCommandLine(QCoreApplication::arguments(), out, err);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationVersion(QStringLiteral(MOBWRIGHT_VERSION));
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (mobwright::WantsCommandLine(arguments))
        return RunCommand(argc, argv);

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

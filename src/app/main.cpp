#include "CloseOnSignals.h"
#include "CommandLine.h"
#include "LabelFolder.h"
#include "MainWindow.h"

#include <QApplication>
#include <QFile>

#include <cstdio>
#include <string_view>

namespace {

// Commands run without a display, so they get no window system at all.
int RunCommand(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QFile in;
    QFile out;
    QFile err;
    in.open(stdin, QIODevice::ReadOnly);
    out.open(stdout, QIODevice::WriteOnly);
    err.open(stderr, QIODevice::WriteOnly);
    return mobwright::RunCommandLine(QCoreApplication::arguments(),
                                     {in, out, err, mobwright::LabelFolder()});
}

// Whether Qt has a window system to show the window on: X11, Wayland, or
// one named by the environment or the -platform option.
bool HasDisplay(const QStringList &arguments)
{
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!qEnvironmentVariableIsEmpty(variable))
            return true;
    }
    return arguments.contains(QStringLiteral("-platform")) ||
           arguments.contains(QStringLiteral("--platform"));
}

} // namespace

int main(int argc, char *argv[])
{
    // Names the per-user data folder, where the user's label files are, for
    // the commands as for the window.
    QCoreApplication::setApplicationName(QStringLiteral("Mobwright"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MOBWRIGHT_VERSION));
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (mobwright::WantsCommandLine(arguments))
        return RunCommand(argc, argv);
    // Rather than Qt's own message, which ends in the advice to reinstall.
    if (!HasDisplay(arguments)) {
        const QString advice = QCoreApplication::translate(
            "main", "The Mobwright window needs a display (X11 or Wayland); without one, "
                    "use its command line: mobwright --help");
        std::fprintf(stderr, "%s\n", advice.toLocal8Bit().constData());
        return EXIT_FAILURE;
    }

    QApplication app(argc, argv);
    mobwright::MainWindow window;
    mobwright::CloseOnSignals(window);
    window.show();
    window.useLabelFolder(mobwright::LabelFolder());
    // Like most desktop editors, an image named on the command line is opened
    // at start; its name goes to the system as given, whatever bytes it holds.
    // QApplication has taken its own options out of argv; "--" may come first.
    const int image = argc > 1 && std::string_view(argv[1]) == "--" ? 2 : 1;
    if (argc > image)
        window.loadImageFile(argv[image]);
    return QApplication::exec();
}

#include "CloseOnSignals.h"
#include "CommandLine.h"
#include "LabelFolder.h"
#include "MainWindow.h"

#include <QApplication>
#include <QFile>

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

    QApplication app(argc, argv);
    mobwright::Main window;
    mobwright::CloseOnSignals(window);
    window.show();
    window.useLabelFolder(mobwright::LabelFolder());
    // Like most desktop editors, an image named on the command line is opened
    // at start; its name goes to the system as given, whatever bytes it holds.
    // QApplication has taken its own options out of argv; "--" may come first.
    const int image = argc > 1 && std::string_view(argv[1]) == "--" ? 2 : 1;
    if (argc > image)
        window.LoadImageFile(argv[image]);
    return QApplication::exec();
}

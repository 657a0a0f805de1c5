#include "StartupBench.h"

#include "Stats.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

namespace mobwright::bench {
namespace {

struct Run
{
    double cpuMs = 0;
    double peakMiB = 0;
};

// A probe's command line, and the environment that gives it the scratch
// folder as its home, so that no settings or labels of the user's are read.
struct Probe
{
    QStringList command;
    QStringList environment;
};

QStringList ScratchEnvironment(const QString &home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *folder : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        environment.insert(QString::fromLatin1(folder), home);
    return environment.toStringList();
}

std::vector<QByteArray> Encoded(const QStringList &strings)
{
    std::vector<QByteArray> bytes;
    for (const QString &s : strings)
        bytes.push_back(s.toLocal8Bit());
    return bytes;
}

std::vector<char *> Pointers(std::vector<QByteArray> &strings)
{
    std::vector<char *> pointers;
    for (QByteArray &s : strings)
        pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

// QProcess cannot tell a child's CPU time and peak memory; wait4 can.
Run RunOnce(const Probe &probe)
{
    std::vector<QByteArray> arguments = Encoded(probe.command);
    std::vector<QByteArray> environment = Encoded(probe.environment);
    pid_t pid = 0;
    if (posix_spawn(&pid, arguments[0].constData(), nullptr, nullptr, Pointers(arguments).data(),
                    Pointers(environment).data()) != 0)
        qFatal("cannot start %s", arguments[0].constData());
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        qFatal("%s did not start and quit cleanly", arguments[0].constData());
    const auto ms = [](const timeval &t) { return 1e3 * static_cast<double>(t.tv_sec) + 1e-3 * static_cast<double>(t.tv_usec); };
    return {ms(usage.ru_utime) + ms(usage.ru_stime), static_cast<double>(usage.ru_maxrss) / 1024};
}

// Instructions the probe runs from its start to its end, as callgrind counts them.
double Instructions(const QString &valgrind, const Probe &probe)
{
    QProcess process;
    process.setEnvironment(probe.environment);
    process.start(valgrind, QStringList{QStringLiteral("--tool=callgrind"),
                                        QStringLiteral("--callgrind-out-file=/dev/null")} +
                                probe.command);
    process.waitForFinished(-1);
    const QRegularExpression collected(QStringLiteral("Collected : (\\d+)"));
    const auto match = collected.match(QString::fromLocal8Bit(process.readAllStandardError()));
    if (process.exitCode() != 0 || !match.hasMatch())
        qFatal("callgrind did not count the start-up of %s", qPrintable(probe.command.first()));
    return match.captured(1).toDouble();
}

std::vector<double> Ratios(const std::vector<Run> &over, const std::vector<Run> &under)
{
    std::vector<double> ratios;
    for (std::size_t i = 0; i < over.size(); ++i)
        ratios.push_back(over[i].cpuMs / under[i].cpuMs);
    return ratios;
}

std::vector<double> Each(const std::vector<Run> &runs, double Run::*figure)
{
    std::vector<double> figures;
    for (const Run &run : runs)
        figures.push_back(run.*figure);
    return figures;
}

void MeasureInstructions(int runs, const Probe &bare, const Probe &editor, const Probe &withImage)
{
    const QString valgrind = QStandardPaths::findExecutable(QStringLiteral("valgrind"));
    if (runs == 0 || valgrind.isEmpty()) {
        std::printf("%-62s %s\n", "Start-up in instructions (callgrind)",
                    valgrind.isEmpty() ? "not measured: no valgrind" : "not measured: --callgrind 0");
        return;
    }
    std::vector<double> counts[3];
    for (int i = 0; i < runs; ++i) {
        int which = 0;
        for (const Probe *probe : {&bare, &editor, &withImage})
            counts[which++].push_back(Instructions(valgrind, *probe) / 1e6);
    }
    const double floor = Summarize(counts[0]).median;
    PrintValue("Start-up, bare window, instructions", floor, "M");
    PrintValue("Start-up, editor, instructions", Summarize(counts[1]).median, "M");
    PrintValue("Start-up, editor with an image, instructions", Summarize(counts[2]).median, "M");
    PrintValue("Start-up, editor / bare window, instructions", Summarize(counts[1]).median / floor, "x");
    PrintValue("Start-up, editor with an image / bare window, instructions",
               Summarize(counts[2]).median / floor, "x");
}

} // namespace

void MeasureStartup(int repetitions, int callgrindRuns, const QString &image)
{
    const QString folder = QCoreApplication::applicationDirPath();
    const QStringList environment = ScratchEnvironment(QFileInfo(image).absolutePath());
    const Probe bare{{folder + QStringLiteral("/mobwright_bare_window_probe")}, environment};
    const Probe editor{{folder + QStringLiteral("/mobwright_startup_probe")}, environment};
    const Probe withImage{{editor.command.first(), image}, environment};

    // Interleaved, each in turn first, so that a busy moment weighs on all three alike.
    std::vector<Run> runs[3];
    const Probe *probes[] = {&bare, &editor, &withImage};
    for (int i = 0; i < repetitions + 1; ++i) {
        for (int k = 0; k < 3; ++k) {
            const int which = (i + k) % 3;
            const Run run = RunOnce(*probes[which]);
            if (i > 0) // the first round only warms the caches
                runs[which].push_back(run);
        }
    }
    PrintRow("Start-up, bare window, CPU time", Summarize(Each(runs[0], &Run::cpuMs)));
    PrintRow("Start-up, editor, CPU time", Summarize(Each(runs[1], &Run::cpuMs)));
    PrintRow("Start-up, editor with an image, CPU time", Summarize(Each(runs[2], &Run::cpuMs)));
    PrintRow("Start-up, editor / bare window, CPU time, paired", Summarize(Ratios(runs[1], runs[0])), "x");
    PrintRow("Start-up, editor with an image / bare window, CPU time, paired", Summarize(Ratios(runs[2], runs[0])), "x");
    MeasureInstructions(callgrindRuns, bare, editor, withImage);
    const double bareMiB = Summarize(Each(runs[0], &Run::peakMiB)).median;
    const double imageMiB = Summarize(Each(runs[2], &Run::peakMiB)).median;
    PrintValue("Peak resident memory, bare window", bareMiB, "MiB");
    PrintValue("Peak resident memory, editor", Summarize(Each(runs[1], &Run::peakMiB)).median, "MiB");
    PrintValue("Peak resident memory, editor with an image", imageMiB, "MiB");
    PrintValue("Peak resident memory, editor with an image - bare window", imageMiB - bareMiB, "MiB");
}

} // namespace mobwright::bench

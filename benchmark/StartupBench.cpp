#include "StartupBench.h"

#include "Stats.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <array>
#include <cerrno>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace mobwright::bench {
namespace {

struct Run
{
    double cpuMs = 0;
    double peakMiB = 0;
    QString window; // its size at its first paint, "892x420"
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

// The peak the probe reports of itself: measured from here, ru_maxrss would
// keep the benchmark's own peak, which a child started by posix_spawn
// carries across exec.
double ReportedPeakMiB(const QByteArray &output, const char *probe)
{
    const QRegularExpression peak(QStringLiteral("^VmHWM:\\s*(\\d+) kB$"),
                                  QRegularExpression::MultilineOption);
    const auto match = peak.match(QString::fromLatin1(output));
    if (!match.hasMatch())
        qFatal("%s did not report its peak memory", probe);
    return match.captured(1).toDouble() / 1024;
}

QString ReportedWindow(const QByteArray &output, const char *probe)
{
    const QRegularExpression window(QStringLiteral("^Window: (\\d+x\\d+)$"),
                                    QRegularExpression::MultilineOption);
    const auto match = window.match(QString::fromLatin1(output));
    if (!match.hasMatch())
        qFatal("%s did not report its window's size", probe);
    return match.captured(1);
}

QByteArray ReadAll(int fd)
{
    QByteArray bytes;
    char chunk[4096];
    for (ssize_t n; (n = read(fd, chunk, sizeof chunk)) != 0;) {
        if (n > 0)
            bytes.append(chunk, n);
        else if (errno != EINTR)
            break;
    }
    return bytes;
}

// QProcess cannot tell a child's CPU time; wait4 can.
Run RunOnce(const Probe &probe)
{
    std::vector<QByteArray> arguments = Encoded(probe.command);
    std::vector<QByteArray> environment = Encoded(probe.environment);
    int output[2];
    if (pipe(output) != 0)
        qFatal("cannot make a pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    posix_spawn_file_actions_addclose(&actions, output[1]);
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, arguments[0].constData(), &actions, nullptr,
                                   Pointers(arguments).data(), Pointers(environment).data());
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    if (failed != 0)
        qFatal("cannot start %s", arguments[0].constData());
    const QByteArray printed = ReadAll(output[0]);
    close(output[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        qFatal("%s did not start and quit cleanly", arguments[0].constData());
    const auto ms = [](const timeval &t) {
        return 1e3 * static_cast<double>(t.tv_sec) + 1e-3 * static_cast<double>(t.tv_usec);
    };
    return {ms(usage.ru_utime) + ms(usage.ru_stime),
            ReportedPeakMiB(printed, arguments[0].constData()),
            ReportedWindow(printed, arguments[0].constData())};
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

// Of the bare window, the editor, the editor with an image and its floor, in that order.
void MeasureInstructions(int runs, const std::array<const Probe *, 4> &probes)
{
    const Row rows[] = {{"Start-up, bare window, instructions", "M"},
                        {"Start-up, editor, instructions", "M"},
                        {"Start-up, editor with an image, instructions", "M"},
                        {"Start-up, first page in Qt alone, instructions", "M"},
                        {"Start-up, editor / bare window, instructions", "x", 1.35},
                        {"Start-up, editor with an image / bare window, instructions", "x", 1.7},
                        {"Start-up, first page in Qt alone / bare window, instructions", "x"}};
    const QString valgrind = QStandardPaths::findExecutable(QStringLiteral("valgrind"));
    if (runs == 0 || valgrind.isEmpty()) {
        for (const Row &row : rows)
            PrintUnmeasured(row, valgrind.isEmpty() ? "not measured: no valgrind"
                                                    : "not measured: --callgrind 0");
        return;
    }
    std::vector<double> counts[4];
    for (int i = 0; i < runs; ++i) {
        for (std::size_t k = 0; k < probes.size(); ++k)
            counts[k].push_back(Instructions(valgrind, *probes[k]) / 1e6);
    }
    double medians[4];
    for (int k = 0; k < 4; ++k)
        Print(rows[k], medians[k] = Summarize(counts[k]).median);
    for (int k = 1; k < 4; ++k)
        Print(rows[3 + k], medians[k] / medians[0]);
}

} // namespace

void MeasureStartup(int repetitions, int callgrindRuns, const QString &image)
{
    const QString folder = QCoreApplication::applicationDirPath();
    const QStringList environment = ScratchEnvironment(QFileInfo(image).absolutePath());
    const Probe bare{{folder + QStringLiteral("/mobwright_bare_window_probe")}, environment};
    const Probe editor{{folder + QStringLiteral("/mobwright_startup_probe")}, environment};
    const Probe withImage{{editor.command.first(), image}, environment};
    // Qt's own widgets of the page shown, in a window as large as the editor's.
    const Probe floor{{folder + QStringLiteral("/mobwright_form_floor_probe"), RunOnce(withImage).window},
                      environment};

    // Interleaved, each in turn first, so that a busy moment weighs on all alike.
    const std::array<const Probe *, 4> probes = {&bare, &editor, &withImage, &floor};
    std::array<std::vector<Run>, 4> runs;
    for (int i = 0; i < repetitions + 1; ++i) {
        for (std::size_t k = 0; k < probes.size(); ++k) {
            const std::size_t which = (std::size_t(i) + k) % probes.size();
            const Run run = RunOnce(*probes[which]);
            if (i > 0) // the first round only warms the caches
                runs[which].push_back(run);
        }
    }
    Print({"Start-up, bare window, CPU time"}, Summarize(Each(runs[0], &Run::cpuMs)));
    Print({"Start-up, editor, CPU time"}, Summarize(Each(runs[1], &Run::cpuMs)));
    Print({"Start-up, editor with an image, CPU time"}, Summarize(Each(runs[2], &Run::cpuMs)));
    Print({"Start-up, editor / bare window, CPU time, paired", "x", 1.35},
          Summarize(Ratios(runs[1], runs[0])));
    Print({"Start-up, editor with an image / bare window, CPU time, paired", "x"},
          Summarize(Ratios(runs[2], runs[0])));
    MeasureInstructions(callgrindRuns, probes);
    const double bareMiB = Summarize(Each(runs[0], &Run::peakMiB)).median;
    const double imageMiB = Summarize(Each(runs[2], &Run::peakMiB)).median;
    Print({"Peak resident memory, bare window", "MiB"}, bareMiB);
    Print({"Peak resident memory, editor", "MiB"}, Summarize(Each(runs[1], &Run::peakMiB)).median);
    Print({"Peak resident memory, editor with an image", "MiB"}, imageMiB);
    Print({"Peak resident memory, editor with an image - bare window", "MiB", 2.5},
          imageMiB - bareMiB);
    const double floorMiB = Summarize(Each(runs[3], &Run::peakMiB)).median;
    Print({"Peak resident memory, first page in Qt alone", "MiB"}, floorMiB);
    Print({"Peak resident memory, first page in Qt alone - bare window", "MiB"}, floorMiB - bareMiB);
}

} // namespace mobwright::bench

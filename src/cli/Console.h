#pragma once

#include "CommandStreams.h"

#include <QString>

#include <csignal>
#include <string>
#include <vector>

class QCommandLineParser;

namespace mobwright {

class ImageSession;
class RomFile;

// The options the commands take, by their long names.
inline const QString OUTPUT = QStringLiteral("output");
inline const QString FORMAT = QStringLiteral("format");
inline const QString DRY_RUN = QStringLiteral("dry-run");
inline const QString ALLOW_UNLISTED = QStringLiteral("allow-unlisted");
inline const QString HEADERLESS = QStringLiteral("headerless");
inline const QString FINISH = QStringLiteral("finish");
inline const QString ROLL_BACK = QStringLiteral("roll-back");
inline const QString TO_ORIGINAL = QStringLiteral("to-original");
inline const QString TO = QStringLiteral("to");
inline const QString FIX = QStringLiteral("fix");
// A file name that stands for standard input or output.
inline const QString STANDARD_STREAM = QStringLiteral("-");

// A file name as the system takes it.
std::string FileName(const QString &path);

// Where a command reads, tells and fails.
class Console
{
public:
    explicit Console(const CommandStreams &streams)
        : streams_(streams)
    {
    }

    QIODevice &in() const { return streams_.in; }
    QIODevice &out() const { return streams_.out; }

    // Each line goes out at once, so that it is there whatever happens next.
    void say(const QString &line) const { Write(streams_.out, line); }
    void warn(const QString &line) const { Write(streams_.err, line); }
    int fail(int status, const QString &line) const
    {
        Write(streams_.err, line);
        return status;
    }

    // The user's label files name the long lists, as in the window.
    void readLabels(ImageSession &session) const;
    // The user's choice of journaling writes, as the window keeps it.
    void journalAsChosen(ImageSession &session) const;
    // Bytes to the output file, or standard output for none or "-".
    int deliver(const QString &output, const QByteArray &bytes,
                const std::vector<const RomFile *> &images) const;

private:
    static void Write(QIODevice &device, const QString &line);

    const CommandStreams &streams_;
};

// Holds back the signals that end a process from the keyboard or a closed
// terminal while it lives, so that a write they interrupt still ends whole
// and is told; they take effect when it goes.
class HeldSignals
{
public:
    HeldSignals()
    {
        sigset_t held;
        sigemptyset(&held);
        for (const int signal : {SIGINT, SIGTERM, SIGHUP})
            sigaddset(&held, signal);
        pthread_sigmask(SIG_BLOCK, &held, &before_);
    }
    ~HeldSignals() { pthread_sigmask(SIG_SETMASK, &before_, nullptr); }
    HeldSignals(const HeldSignals &) = delete;
    HeldSignals &operator=(const HeldSignals &) = delete;

private:
    sigset_t before_;
};

} // namespace mobwright

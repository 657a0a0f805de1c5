#pragma once

#include <QString>
#include <QStringList>

class QIODevice;

namespace mobwright {

// How a command ends, as its exit status.
enum ExitStatus { EXIT_DONE = 0, EXIT_REFUSED = 1, EXIT_FILE_FAILED = 2 };

// Whether the arguments ask for a command rather than the window: export,
// import, diff, info, checksum, or an option such as --help. Qt's own options
// for the window (-platform, -style …) may come first; "--" first leaves the
// window the image name that follows, whatever it is.
bool WantsCommandLine(const QStringList &arguments);

// Where a command reads a table from standard input and writes its results
// (out) and refusals, failures and warnings (err); the user's label folder,
// read as the window reads it, or none when empty.
struct CommandStreams
{
    QIODevice &in;
    QIODevice &out;
    QIODevice &err;
    QString labelFolder;
};

// Runs the command that arguments (the program's name first) give; returns
// the exit status.
int RunCommandLine(const QStringList &arguments, const CommandStreams &streams);

} // namespace mobwright

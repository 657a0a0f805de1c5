#pragma once

#include <QStringList>

class QIODevice;

namespace mobwright {

// How a command ends, as its exit status.
enum ExitStatus { EXIT_DONE = 0, EXIT_REFUSED = 1, EXIT_FILE_FAILED = 2 };

// Whether the arguments ask for a command rather than the window: export,
// import, or an option such as --help.
bool WantsCommandLine(const QStringList &arguments);

// Runs the command that arguments (the program's name first) give, writing
// results to out and refusals and failures to err; returns the exit status.
int RunCommandLine(const QStringList &arguments, QIODevice &out, QIODevice &err);

} // namespace mobwright

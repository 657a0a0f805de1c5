#pragma once

#include "CommandStreams.h"

#include <QStringList>

namespace mobwright {

// Whether the arguments ask for a command rather than the window: export,
// import, diff, info, checksum, recover, history, revert, or an option such
// as --help. Qt's own options for the window (-platform, -style …) may come
// first; "--" first leaves the window the image name that follows, whatever
// it is.
bool WantsCommandLine(const QStringList &arguments);

// Runs the command that arguments (the program's name first) give; returns
// the exit status.
int RunCommandLine(const QStringList &arguments, const CommandStreams &streams);

} // namespace mobwright

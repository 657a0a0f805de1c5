#pragma once

#include <QString>

class QIODevice;

namespace mobwright {

// How a command ends, as its exit status.
enum ExitStatus { EXIT_DONE = 0, EXIT_REFUSED = 1, EXIT_FILE_FAILED = 2 };

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

} // namespace mobwright

#pragma once

#include <QString>
#include <QStringList>

#include <string>

namespace mobwright {

// What a command says, on standard output and standard error, and its exit status.
struct CommandReport
{
    int status = 0;
    QStringList out;
    QString err;
};

// info: the facts of the image's internal header, as text or JSON.
CommandReport ImageInfoReport(const std::string &path, bool json);
// checksum: whether the stored checksum matches (status 0) or not (1).
CommandReport ChecksumReport(const std::string &path);
// checksum --fix: writes the checksum through the editor's one write path,
// with the image locked as the window locks it. Refuses (status 1, nothing
// written) an image another editor holds and one whose header cannot be
// trusted. Throws RomError for a file that cannot be opened or read.
CommandReport FixChecksumReport(const std::string &path);

} // namespace mobwright

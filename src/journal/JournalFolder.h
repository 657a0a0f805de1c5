#pragma once

#include "Journal.h"

#include <QString>

#include <memory>

namespace mobwright {

class RomFile;

// The folder that holds every image's journal, in the user's own data
// folder rather than beside the images. A journal is named after its
// image's canonical path and records the image's identity (device and
// inode) and size, by which it is found again:
// - under the image's path; where another file took that place since (a
//   copy put back, or another program's save), it is Replaced;
// - else as the journal of the file with the image's identity, where the
//   path it was written for no longer leads there: the image was Moved or
//   renamed on its disk;
// - else as one whose last write the image holds, with its size: where the
//   path it was written for no longer leads to the file it was written for,
//   the image was Moved to another disk, and else it is a copy, which takes
//   a copy of that journal, history and original, Copied at its first write.
// A journal taken over is written in its own place at the next write.
class JournalFolder
{
public:
    explicit JournalFolder(QString path = DefaultPath());
    static QString DefaultPath();

    const QString &path() const { return path_; }
    // Bytes that all the journals take.
    qint64 totalSize() const;

    enum class Found { New, Same, Replaced, Moved, Copied };
    struct Lookup
    {
        std::unique_ptr<Journal> journal;
        Found found = Found::New;
        std::string
            from; // the path the journal was written for, where found by identity or content
    };
    // The journal of the image open in rom, found as above, or a new one.
    // Throws JournalError where the journal in its place cannot be read.
    Lookup journalFor(RomFile &rom, qint64 cap = Journal::DEFAULT_CAP) const;

private:
    QString fileFor(const std::string &imagePath) const;

    QString path_;
};

} // namespace mobwright

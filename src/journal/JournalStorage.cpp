#include "JournalStorage.h"

#include "JournalEntry.h"
#include "JournalFormat.h"
#include "OutputFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mobwright {
namespace {

OutputPlace JournalPlace(const QString &path)
{
    OutputPlace place{path};
    place.ownFileOnly = true;
    place.ownerOnly = true;
    place.signature = JOURNAL_SIGNATURE;
    return place;
}

[[noreturn]] void Fail(const OutputFailure &failure)
{
    throw JournalError(failure.message.toStdString());
}

// A file renamed into place is on the disk once its folder is.
void SyncFolder(const QString &folder)
{
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    if (!synced)
        throw JournalError("Cannot save the journal folder " + folder.toStdString() + " to disk.");
}

} // namespace

JournalFile::JournalFile(QString path, QString supersedes)
    : path_(std::move(path))
    , supersedes_(std::move(supersedes))
    , output_(JournalPlace(path_))
{
}

std::optional<QByteArray> JournalFile::read()
{
    struct stat status
    {
    };
    if (::lstat(QFile::encodeName(path_).constData(), &status) != 0)
        return std::nullopt;
    // Opening a FIFO could wait for ever, and a link leads out of the folder.
    QFile file(path_);
    if (!S_ISREG(status.st_mode) || !file.open(QIODevice::ReadOnly))
        throw JournalError("it is no regular file of its own, or cannot be read");
    return file.readAll();
}

void JournalFile::append(qint64 at, const QByteArray &bytes, bool sync)
{
    if (const auto failure = output_.append(at, bytes, sync))
        Fail(*failure);
}

void JournalFile::replace(const QByteArray &bytes)
{
    const QString folder = QFileInfo(path_).path();
    if (!QDir().mkpath(folder) ||
        !QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner))
        throw JournalError("Cannot make the journal folder " + folder.toStdString() + ".");
    if (const auto failure = SaveOutput(JournalPlace(path_), bytes))
        Fail(*failure);
    SyncFolder(folder);
    if (!supersedes_.isEmpty())
        QFile::remove(std::exchange(supersedes_, QString()));
}

} // namespace mobwright

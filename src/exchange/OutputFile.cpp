#include "OutputFile.h"

#include "FileFormats.h"
#include "FileHandle.h"
#include "RomFile.h"
#include "TableGeometry.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

#include <array>
#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mobwright {
namespace {

// This file's texts, as translators see them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(OutputFile)
};

// Cartridges are made of 32 KiB banks; copiers put 512 bytes before them.
constexpr qint64 IMAGE_BANK_SIZE = 32 * 1024;

std::string FileName(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString NotWritten(const QString &path, const QString &why)
{
    return Text::tr("Not written to %1: %2.").arg(path, why);
}

std::optional<QString> WhyNoRegularFile(mode_t mode)
{
    if (S_ISREG(mode))
        return std::nullopt;
    if (S_ISDIR(mode))
        return Text::tr("it is a folder");
    if (S_ISFIFO(mode))
        return Text::tr("it is a FIFO (a named pipe), not a regular file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return Text::tr("it is a device, not a regular file");
    if (S_ISSOCK(mode))
        return Text::tr("it is a socket, not a regular file");
    return Text::tr("it is not a regular file");
}

bool HasImageSize(qint64 size)
{
    return size >= IMAGE_BANK_SIZE &&
           (size % IMAGE_BANK_SIZE == 0 || size % IMAGE_BANK_SIZE == COPIER_HEADER_SIZE);
}

// Whether the file holds a zero byte, which no text does and nearly every
// image does; nothing when it cannot be read.
std::optional<bool> HoldsZeroByte(const QString &path)
{
    const int fd = ::open(FileName(path).c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    std::array<char, 64 * 1024> buffer;
    std::optional<bool> zero = false;
    while (zero == false) {
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n == 0)
            break;
        if (n < 0 && errno != EINTR)
            zero.reset();
        else if (n > 0)
            zero = std::memchr(buffer.data(), 0, static_cast<std::size_t>(n)) != nullptr;
    }
    ::close(fd);
    return zero;
}

// Whether the file at path begins with signature; an empty one never.
bool BeginsWith(const QString &path, const QByteArray &signature)
{
    if (signature.isEmpty())
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(signature.size()) == signature;
}

// Why the regular file of size that path leads to (target, all links
// followed) is taken for a cartridge image, or nothing. Only a file open or
// locked as an image is refused where byLooks is false.
std::optional<QString> WhyAnImage(const QString &path, const QString &target, qint64 size,
                                  const std::vector<const RomFile *> &images, bool byName,
                                  bool byLooks = true)
{
    for (const RomFile *image : images) {
        if (image->holds(FileName(path)))
            return Text::tr("it is the image %1, by this name or another; choose another file")
                .arg(QFile::decodeName(image->path().c_str()));
    }
    if (IsLockedByAnEditor(FileName(target)))
        return Text::tr("it is an image that an editor has open; choose another file");
    if (!byLooks)
        return std::nullopt;
    const FileFormat &image = FormatHelper({FormatKind::Image}).fallback();
    for (const QString &name : {path, target}) {
        if (byName && image.names(name))
            return Text::tr("an existing file named *%1 is taken for a cartridge image; choose "
                            "another file")
                .arg(u'.' + QFileInfo(name).suffix().toLower());
    }
    if (!HasImageSize(size))
        return std::nullopt;
    const std::optional<bool> zero = HoldsZeroByte(target);
    if (!zero)
        return Text::tr("it cannot be read to make sure that it is no cartridge image");
    if (*zero)
        return Text::tr(
            "its size and contents are those of a cartridge image; choose another file");
    return std::nullopt;
}

OutputFailure CannotWrite(const QString &path, int error)
{
    return OutputFailure{false, Text::tr("Cannot write %1: %2.").arg(path, SystemReason(error))};
}

// Writes all of bytes from offset at; false with errno set where it fails.
bool WriteAllAt(int fd, qint64 at, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::pwrite(fd, bytes.constData() + done,
                                   static_cast<std::size_t>(bytes.size() - done), at + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            errno = n < 0 ? errno : EIO;
            return false;
        }
        done += n;
    }
    return true;
}

} // namespace

std::optional<QString> OutputRefusal(const OutputPlace &place)
{
    const std::string name = FileName(place.path);
    struct stat status
    {
    };
    if (place.ownFileOnly && ::lstat(name.c_str(), &status) == 0 && S_ISLNK(status.st_mode))
        return NotWritten(place.path, Text::tr("its place holds a link, and this file must be "
                                               "a file of its own"));
    if (::stat(name.c_str(), &status) != 0)
        return std::nullopt; // nothing there yet: the file is made new
    auto why = WhyNoRegularFile(status.st_mode);
    const QString target = QFileInfo(place.path).canonicalFilePath();
    if (!why)
        why = WhyAnImage(place.path, target, status.st_size, place.images, true,
                         !BeginsWith(target, place.signature));
    if (why)
        return NotWritten(place.path, *why);
    return std::nullopt;
}

std::optional<OutputFailure> SaveOutput(const OutputPlace &place, const QByteArray &bytes)
{
    if (const auto refusal = OutputRefusal(place))
        return OutputFailure{true, *refusal};
    // Qt's own message may be "Unknown error" where the system said why.
    QSaveFile file(place.path);
    errno = 0;
    bool done = file.open(QIODevice::WriteOnly) &&
                (!place.ownerOnly ||
                 file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) &&
                file.write(bytes) == bytes.size() && file.flush();
    int error = errno;
    if (done) {
        errno = 0;
        done = file.commit();
        error = errno;
    }
    if (!done)
        return OutputFailure{
            false, Text::tr("Cannot write %1: %2.")
                       .arg(place.path, error != 0 ? SystemReason(error) : file.errorString())};
    return std::nullopt;
}

AppendedOutput::AppendedOutput(OutputPlace place)
    : place_(std::move(place))
{
}

AppendedOutput::~AppendedOutput()
{
    release();
}

std::optional<OutputFailure> AppendedOutput::append(qint64 at, const QByteArray &bytes, bool sync)
{
    struct stat status
    {
    };
    if (fd_ >= 0 && !heldAtPlace(status))
        release();
    if (fd_ < 0) {
        if (const auto failure = openGuarded(status))
            return failure;
    }
    std::optional<OutputFailure> failure;
    if (status.st_size < at)
        failure = OutputFailure{true, NotWritten(place_.path, Text::tr("it is shorter than it was "
                                                                       "left, so another program "
                                                                       "changed it"))};
    else if ((status.st_size > at && ::ftruncate(fd_, at) != 0) ||
             (place_.ownerOnly && (status.st_mode & 077) != 0 &&
              ::fchmod(fd_, S_IRUSR | S_IWUSR) != 0) ||
             !WriteAllAt(fd_, at, bytes) || (sync && ::fsync(fd_) != 0))
        failure = CannotWrite(place_.path, errno);
    if (failure)
        release(); // the place is looked at afresh next time
    return failure;
}

std::optional<OutputFailure> AppendedOutput::openGuarded(struct stat &status)
{
    if (const auto refusal = OutputRefusal(place_))
        return OutputFailure{true, *refusal};
    fd_ = ::open(FileName(place_.path).c_str(),
                 O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW);
    if (fd_ < 0)
        return CannotWrite(place_.path, errno);
    std::optional<OutputFailure> failure;
    // What is open is looked at again: the place may have changed since.
    if (::fstat(fd_, &status) != 0)
        failure = CannotWrite(place_.path, errno);
    else if (const auto why = WhyNoRegularFile(status.st_mode))
        failure = OutputFailure{true, NotWritten(place_.path, *why)};
    if (failure)
        release();
    return failure;
}

// The file held is still the one at the place itself (no link leads there), with its status.
bool AppendedOutput::heldAtPlace(struct stat &status) const
{
    struct stat atPlace
    {
    };
    return ::lstat(FileName(place_.path).c_str(), &atPlace) == 0 && ::fstat(fd_, &status) == 0 &&
           atPlace.st_dev == status.st_dev && atPlace.st_ino == status.st_ino;
}

void AppendedOutput::release()
{
    if (fd_ >= 0)
        ::close(std::exchange(fd_, -1));
}

std::optional<OutputFailure> WriteOutput(QIODevice &out, const QByteArray &bytes,
                                         const std::vector<const RomFile *> &images)
{
    auto *file = qobject_cast<QFileDevice *>(&out);
    const QString name = Text::tr("standard output");
    struct stat status
    {
    };
    // A handle of -1, where nothing is open, has no status.
    if (file && ::fstat(file->handle(), &status) == 0 && S_ISREG(status.st_mode)) {
        const QString path = QStringLiteral("/dev/fd/%1").arg(file->handle());
        if (const auto why = WhyAnImage(path, QFileInfo(path).canonicalFilePath(), status.st_size,
                                        images, false))
            return OutputFailure{true, NotWritten(name, *why)};
    }
    errno = 0;
    if (out.write(bytes) != bytes.size() || (file && !file->flush())) {
        const int error = errno;
        return OutputFailure{false,
                             Text::tr("Cannot write to %1: %2.")
                                 .arg(name, error != 0 ? SystemReason(error) : out.errorString())};
    }
    return std::nullopt;
}

} // namespace mobwright

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

class QIODevice;
struct stat;

namespace mobwright {

class RomFile;

// Why an output was not written, in one line.
struct OutputFailure
{
    // True when the place asked for is refused; false when writing failed.
    bool refused;
    QString message;
};

// Where an output goes, and what must come to no harm there.
struct OutputPlace
{
    QString path;
    // The images open here, refused by whatever name or link leads to them.
    std::vector<const RomFile *> images;
    // A label file or a journal: its place must hold the file itself, never
    // a link, and nothing but a regular file.
    bool ownFileOnly = false;
    // Only the user may read and write the file: it is made 0600.
    bool ownerOnly = false;
    // A file that begins with these bytes is this program's own, which its
    // size and zero bytes never make a cartridge image.
    QByteArray signature;
};

// The guard of every file the program writes other than the image: why
// writing to place would harm what is there, or nothing. Links are followed
// only to look at what they lead to. Refused are a cartridge image (one of
// place.images, a file an editor holds locked, an existing file named as
// images are (FileFormats), or one whose size is a whole number of
// 32 KiB, or that plus 512 bytes, and which holds a zero byte) and anything
// that is no regular file: a folder, a FIFO, a device, a socket.
std::optional<QString> OutputRefusal(const OutputPlace &place);

// Writes bytes to place unless OutputRefusal refuses it, through a temporary
// beside it that replaces the file once written whole: a failure leaves any
// file there as it was, and says the system's own reason.
std::optional<OutputFailure> SaveOutput(const OutputPlace &place, const QByteArray &bytes);

// The existing regular file at a place, written into from an offset again
// and again, as a journal is, as OutputRefusal allows. What lay past the
// offset (a torn tail) is cut off first, and a file shorter than it, which
// another program must have changed, is refused. The file is never replaced,
// so a failure leaves the bytes before the offset as they were. It is held
// open between writes: the guard looks at the place again only once the file
// there is no longer the one held, or a write failed.
class AppendedOutput
{
public:
    explicit AppendedOutput(OutputPlace place);
    ~AppendedOutput();
    AppendedOutput(const AppendedOutput &) = delete;
    AppendedOutput &operator=(const AppendedOutput &) = delete;

    // Writes bytes from offset at, and syncs them when asked.
    std::optional<OutputFailure> append(qint64 at, const QByteArray &bytes, bool sync);

private:
    std::optional<OutputFailure> openGuarded(struct stat &status);
    bool heldAtPlace(struct stat &status) const;
    void release();

    OutputPlace place_;
    int fd_ = -1;
};

// Writes bytes to out, standard output, and makes sure they went out. Where
// it is a regular file, one that is a cartridge image is refused.
std::optional<OutputFailure> WriteOutput(QIODevice &out, const QByteArray &bytes,
                                         const std::vector<const RomFile *> &images);

} // namespace mobwright

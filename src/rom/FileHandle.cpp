#include "FileHandle.h"

#include "RomError.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mobwright {
namespace {

std::string SystemReason()
{
    return std::strerror(errno);
}

FileIdentity IdentityOf(const struct stat &st)
{
    return {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

[[noreturn]] void RefuseOpen(const std::string &path, const std::string &reason)
{
    throw RomError("Cannot open \"" + path + "\": " + reason + ".");
}

class PosixFile final : public FileHandle
{
public:
    PosixFile(int fd, std::string path)
        : fd_(fd)
        , path_(std::move(path))
    {
    }
    ~PosixFile() override { ::close(fd_); } // closing also drops the lock

    PosixFile(const PosixFile &) = delete;
    PosixFile &operator=(const PosixFile &) = delete;

    std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> buffer) override
    {
        std::size_t done = 0;
        while (done < buffer.size()) {
            const ssize_t n = ::pread(fd_, buffer.data() + done, buffer.size() - done,
                                      static_cast<off_t>(offset + done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                throw RomError("Cannot read \"" + path_ + "\": " + SystemReason() + ".");
            if (n == 0)
                break;
            done += static_cast<std::size_t>(n);
        }
        return done;
    }

    // One call writes the whole run, so no signal can leave part of it
    // behind; a short write is continued, and a failure says how far it got.
    void writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override
    {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::pwrite(fd_, bytes.data() + done, bytes.size() - done,
                                       static_cast<off_t>(offset + done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                const std::string reason = n < 0 ? SystemReason() : "the system wrote nothing";
                throw RomWriteError("Cannot write \"" + path_ + "\": " + reason + " (wrote " +
                                        std::to_string(done) + " of " +
                                        std::to_string(bytes.size()) + " bytes).",
                                    done);
            }
            done += static_cast<std::size_t>(n);
        }
    }

    std::uint64_t size() override { return static_cast<std::uint64_t>(status().st_size); }
    FileIdentity identity() override { return IdentityOf(status()); }
    bool isLinked() override { return status().st_nlink > 0; }

    void sync() override
    {
        if (::fsync(fd_) != 0)
            throw RomError("Cannot save \"" + path_ + "\" to disk: " + SystemReason() + ".");
    }

private:
    struct stat status()
    {
        struct stat st
        {
        };
        if (::fstat(fd_, &st) != 0)
            throw RomError("Cannot read the state of \"" + path_ + "\": " + SystemReason() + ".");
        return st;
    }

    int fd_;
    std::string path_;
};

// Refuses what is no regular file before opening it: opening a FIFO could block.
void RequireRegularFile(const std::string &path)
{
    struct stat st
    {
    };
    if (::stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT)
            RefuseOpen(path, "the file does not exist");
        RefuseOpen(path, SystemReason());
    }
    if (S_ISDIR(st.st_mode))
        RefuseOpen(path, "it is a folder, not an image file");
    if (!S_ISREG(st.st_mode))
        RefuseOpen(path, "it is not a regular file");
}

} // namespace

std::unique_ptr<FileHandle> OpenLockedFile(const std::string &path)
{
    RequireRegularFile(path);
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        RefuseOpen(path, "it cannot be opened for reading and writing (" + SystemReason() + ")");
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        const std::string reason = held ? "it is already open in another copy of the editor"
                                        : "it cannot be locked (" + SystemReason() + ")";
        ::close(fd);
        RefuseOpen(path, reason);
    }
    return std::make_unique<PosixFile>(fd, path);
}

std::unique_ptr<FileHandle> OpenReadOnlyFile(const std::string &path)
{
    RequireRegularFile(path);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        RefuseOpen(path, "it cannot be opened for reading (" + SystemReason() + ")");
    return std::make_unique<PosixFile>(fd, path);
}

std::optional<FileIdentity> IdentityAt(const std::string &path)
{
    struct stat st
    {
    };
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return IdentityOf(st);
}

bool IsLockedByAnEditor(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return false;
    // A shared lock conflicts with the editor's exclusive one, from any open
    // of the file, this program's own included.
    const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd); // which lets go of a lock taken here
    return held;
}

} // namespace mobwright

#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace mobwright {

// Which file a name or a handle leads to: two names of one file share it.
struct FileIdentity
{
    std::uint64_t device = 0;
    std::uint64_t inode = 0;

    bool operator==(const FileIdentity &) const = default;
};

// The few operations the image needs from an open file. Every failure
// throws RomError with a message for the user.
class FileHandle
{
public:
    virtual ~FileHandle() = default;

    // Reads up to buffer.size() bytes; fewer only where the file ends.
    virtual std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> buffer) = 0;
    // Writes all of bytes, or throws RomWriteError saying how many were written.
    virtual void writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) = 0;
    virtual std::uint64_t size() = 0;
    // Pushes written bytes through to the disk.
    virtual void sync() = 0;
    // The open file's identity, and whether any name still leads to it.
    virtual FileIdentity identity() = 0;
    virtual bool isLinked() = 0;
};

// Opens an existing regular file for reading and writing and takes an
// exclusive advisory lock on it, so that two editors never share one image.
std::unique_ptr<FileHandle> OpenLockedFile(const std::string &path);
// Opens an existing regular file for reading only, without a lock: what only
// reads needs no write permission, and may read an image that an editor has open.
std::unique_ptr<FileHandle> OpenReadOnlyFile(const std::string &path);

// The file that path leads to now, or nothing when it leads nowhere.
std::optional<FileIdentity> IdentityAt(const std::string &path);

// Whether an editor, in this program or another, holds the lock of the
// regular file at path. Only looks: a lock it could take is let go at once.
bool IsLockedByAnEditor(const std::string &path);

} // namespace mobwright

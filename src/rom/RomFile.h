#pragma once

#include "FileHandle.h"
#include "ImageBytes.h"
#include "TableGeometry.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace mobwright {

// The one open image. Nothing of it is held in memory: every access goes to
// the file at an absolute 0-based offset, and no access may reach past the
// end of the file, so a write never lengthens it.
class RomFile
{
public:
    using Opener = std::function<std::unique_ptr<FileHandle>(const std::string &path)>;

    RomFile() = default;

    // Opens an image, for reading and writing unless the opener gives a
    // read-only file. Refuses (throws RomError naming the file and the
    // reason) a size that is no image's, or too short to hold the enemy table.
    static RomFile open(const std::string &path, const Opener &opener = OpenLockedFile);

    // The same open file, reached by path (which may be another of its names),
    // with its size and geometry taken afresh. Both share the one handle and
    // its lock, so the image can be read again without releasing it first.
    RomFile reopened(const std::string &path) const;

    bool isOpen() const { return handle_ != nullptr; }
    void close();

    // Whether path leads to the very file that is open.
    bool holds(const std::string &path) const;
    // Whether path() still leads to the open file with the size it had when
    // opened: otherwise a write would go to a file that is no longer the
    // image, or to the wrong offsets.
    enum class Change { None, Replaced, Resized };
    Change changeSinceOpened() const;
    std::uint64_t openedSize() const { return size_; }
    std::uint64_t currentSize() const;

    const std::string &path() const { return path_; }
    bool hasCopierHeader() const { return kind_ == ImageKind::CopierHeader; }
    ImageKind kind() const { return kind_; }
    // File offset of record 0, which depends on the copier header.
    std::uint32_t tableOffset() const { return EnemyTableOffset(kind_); }

    // Reads all of buffer, or throws.
    void read(std::uint32_t offset, std::span<std::uint8_t> buffer);
    // Every byte of the file in one read. Throws RomError when the file is
    // no longer the one opened, or not of its size: its bytes are then not
    // the image's.
    ImageBytes readAll();
    // Writes all of bytes in one call, or throws RomWriteError.
    void write(std::uint32_t offset, std::span<const std::uint8_t> bytes);

    // Makes the writes so far durable on disk.
    void sync();

private:
    RomFile(std::shared_ptr<FileHandle> handle, std::string path);
    std::string whatChanged() const;

    FileHandle &handle() const;

    std::shared_ptr<FileHandle> handle_;
    std::string path_;
    std::uint64_t size_ = 0;
    ImageKind kind_ = ImageKind::CopierHeader;
};

} // namespace mobwright

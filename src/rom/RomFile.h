#pragma once

#include "FileHandle.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

namespace mobwright {

// The one open image. Nothing of it is held in memory: every access goes to
// the file at an absolute 0-based offset, and no access may reach past the
// end of the file, so a write never lengthens it.
class RomFile
{
public:
    using Opener = std::function<std::unique_ptr<FileHandle>(const std::string &path)>;

    RomFile() = default;

    // Opens an image for reading and writing. Refuses (throws RomError naming
    // the file and the reason) anything that cannot hold the enemy table.
    static RomFile Open(const std::string &path, const Opener &opener = OpenLockedFile);

    bool isOpen() const { return handle_ != nullptr; }
    void Close();

    // Whether path names the file that is open.
    bool holds(const std::string &path) const;
    // Checks again, as Open does, that the open file holds the enemy table,
    // which another program may have changed; throws RomError if not.
    void Recheck();

    const std::string &path() const { return path_; }
    bool hasCopierHeader() const;
    // File offset of record 0, which depends on the copier header.
    std::uint32_t tableOffset() const { return tableOffset_; }

    std::uint8_t ReadRomByte(std::uint32_t offset);
    void WriteRomByte(std::uint32_t offset, std::uint8_t value);

    // Reads all of buffer, or throws.
    void ReadRomBytes(std::uint32_t offset, std::span<std::uint8_t> buffer);
    // Reads until buffer is full or the file ends; returns the count read.
    std::size_t ReadRomBytesUpTo(std::uint32_t offset, std::span<std::uint8_t> buffer);
    void WriteRomBytes(std::uint32_t offset, std::span<const std::uint8_t> bytes);

    // Makes the writes so far durable on disk.
    void Sync();

private:
    RomFile(std::unique_ptr<FileHandle> handle, std::string path, std::uint32_t tableOffset);

    static std::uint32_t CheckedTableOffset(FileHandle &file, const std::string &path);

    FileHandle &handle();

    std::unique_ptr<FileHandle> handle_;
    std::string path_;
    std::uint32_t tableOffset_ = 0;
};

} // namespace mobwright

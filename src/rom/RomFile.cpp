#include "RomFile.h"

#include "HexText.h"
#include "RomError.h"

namespace mobwright {
namespace {

std::string HexOffset(std::uint64_t offset)
{
    return "0x" + HexDigits(offset);
}

std::string Quoted(const std::string &path)
{
    return "\"" + path + "\"";
}

ImageKind CheckedKind(std::uint64_t size, const std::string &path)
{
    const auto kind = KindOfImageSize(size);
    if (!kind)
        throw RomError(
            "Cannot open " + Quoted(path) + ": its size, " + std::to_string(size) +
            " bytes, is neither a whole number of KiB (an image without a copier header) "
            "nor a whole number of KiB plus 512 bytes (an image with one).");
    const std::uint64_t needed = std::uint64_t{EnemyTableOffset(*kind)} + ENEMY_TABLE_SIZE;
    if (size < needed)
        throw RomError("Cannot open " + Quoted(path) +
                       ": it is too short to hold the enemy table (" + std::to_string(size) +
                       " bytes; an image " +
                       (*kind == ImageKind::CopierHeader ? "with" : "without") +
                       " a copier header needs at least " + std::to_string(needed) + ").");
    return *kind;
}

} // namespace

RomFile::RomFile(std::shared_ptr<FileHandle> handle, std::string path)
    : handle_(std::move(handle))
    , path_(std::move(path))
    , size_(handle_->size())
    , kind_(CheckedKind(size_, path_))
{
}

RomFile RomFile::open(const std::string &path, const Opener &opener)
{
    return RomFile(opener(path), path);
}

RomFile RomFile::reopened(const std::string &path) const
{
    return RomFile(handle_, path);
}

bool RomFile::holds(const std::string &path) const
{
    if (!isOpen())
        return false;
    const auto atPath = IdentityAt(path);
    return atPath && *atPath == handle().identity();
}

RomFile::Change RomFile::changeSinceOpened() const
{
    if (!handle().isLinked() || !holds(path_))
        return Change::Replaced;
    return currentSize() == size_ ? Change::None : Change::Resized;
}

std::uint64_t RomFile::currentSize() const
{
    return handle().size();
}

void RomFile::close()
{
    handle_.reset();
    path_.clear();
    size_ = 0;
}

FileHandle &RomFile::handle() const
{
    if (!handle_)
        throw RomError("No image is open.");
    return *handle_;
}

void RomFile::read(std::uint32_t offset, std::span<std::uint8_t> buffer)
{
    if (handle().readAt(offset, buffer) != buffer.size())
        throw RomError("Cannot read " + Quoted(path_) + " at " + HexOffset(offset) +
                       ": that is beyond the end of the file.");
}

// What became of the file since it was opened, in words; "" for nothing.
std::string RomFile::whatChanged() const
{
    const auto atPath = IdentityAt(path_);
    if (atPath && *atPath != handle().identity())
        return "another file took its name since it was opened";
    if (!atPath)
        return handle().isLinked() ? "it was moved since it was opened"
                                   : "it was deleted since it was opened";
    if (currentSize() != size_)
        return "its size changed from " + std::to_string(size_) + " to " +
               std::to_string(currentSize()) + " bytes since it was opened";
    return {};
}

ImageBytes RomFile::readAll()
{
    if (const std::string change = whatChanged(); !change.empty())
        throw RomError("Cannot read " + Quoted(path_) + ": " + change + ".");
    ImageBytes bytes(size_);
    read(0, bytes);
    return bytes;
}

void RomFile::write(std::uint32_t offset, std::span<const std::uint8_t> bytes)
{
    FileHandle &file = handle();
    if (std::uint64_t{offset} + bytes.size() > file.size())
        throw RomWriteError("Cannot write " + Quoted(path_) + " at " + HexOffset(offset) +
                                ": that is beyond the end of the file.",
                            0);
    file.writeAt(offset, bytes);
}

void RomFile::sync()
{
    handle().sync();
}

} // namespace mobwright

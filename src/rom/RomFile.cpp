#include "RomFile.h"

#include "HexText.h"
#include "RomError.h"
#include "TableGeometry.h"

#include <filesystem>

namespace mobwright {
namespace {

std::string HexOffset(std::uint64_t offset)
{
    return "0x" + HexDigits(offset);
}

} // namespace

RomFile::RomFile(std::unique_ptr<FileHandle> handle, std::string path, std::uint32_t tableOffset)
    : handle_(std::move(handle))
    , path_(std::move(path))
    , tableOffset_(tableOffset)
{
}

std::uint32_t RomFile::CheckedTableOffset(FileHandle &file, const std::string &path)
{
    const std::uint64_t size = file.size();
    const std::uint32_t tableOffset = EnemyTableOffset(size);
    const std::uint64_t needed = std::uint64_t{tableOffset} + ENEMY_TABLE_SIZE;
    if (size < needed)
        throw RomError("Cannot open \"" + path + "\": it is too short to hold the enemy table (" +
                       std::to_string(size) + " bytes; at least " + std::to_string(needed) +
                       " are needed).");
    return tableOffset;
}

RomFile RomFile::Open(const std::string &path, const Opener &opener)
{
    std::unique_ptr<FileHandle> handle = opener(path);
    const std::uint32_t tableOffset = CheckedTableOffset(*handle, path);
    return RomFile(std::move(handle), path, tableOffset);
}

bool RomFile::holds(const std::string &path) const
{
    std::error_code error;
    return isOpen() && std::filesystem::equivalent(path_, path, error);
}

void RomFile::Recheck()
{
    tableOffset_ = CheckedTableOffset(handle(), path_);
}

void RomFile::Close()
{
    handle_.reset();
    path_.clear();
    tableOffset_ = 0;
}

bool RomFile::hasCopierHeader() const
{
    return tableOffset_ == ENEMY_TABLE_OFFSET;
}

FileHandle &RomFile::handle()
{
    if (!handle_)
        throw RomError("No image is open.");
    return *handle_;
}

std::uint8_t RomFile::ReadRomByte(std::uint32_t offset)
{
    std::uint8_t value = 0;
    ReadRomBytes(offset, {&value, 1});
    return value;
}

void RomFile::WriteRomByte(std::uint32_t offset, std::uint8_t value)
{
    WriteRomBytes(offset, {&value, 1});
}

void RomFile::ReadRomBytes(std::uint32_t offset, std::span<std::uint8_t> buffer)
{
    if (ReadRomBytesUpTo(offset, buffer) != buffer.size())
        throw RomError("Cannot read \"" + path_ + "\" at " + HexOffset(offset) +
                       ": that is beyond the end of the file.");
}

std::size_t RomFile::ReadRomBytesUpTo(std::uint32_t offset, std::span<std::uint8_t> buffer)
{
    return handle().readAt(offset, buffer);
}

void RomFile::WriteRomBytes(std::uint32_t offset, std::span<const std::uint8_t> bytes)
{
    FileHandle &file = handle();
    if (std::uint64_t{offset} + bytes.size() > file.size())
        throw RomError("Cannot write \"" + path_ + "\" at " + HexOffset(offset) +
                       ": that is beyond the end of the file.");
    file.writeAt(offset, bytes);
}

void RomFile::Sync()
{
    handle().sync();
}

} // namespace mobwright

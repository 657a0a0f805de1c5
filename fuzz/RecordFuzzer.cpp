// Loads a record from image bytes that the input supplies, shows it in a form
// and applies the untouched form. The record must come back unchanged except
// for the fourth byte of its two text addresses, which the editor writes as 0,
// and neither pass may read or write a byte outside the record's fields.
//
// Input: byte 0 picks the image: bit 0 with a copier header or without,
// bits 1-2 how many KiB it grows beyond the smallest such image; byte 1 picks
// the record; the rest fills the table over and over, from that record on.

#include "EnemyForm.h"
#include "EnemyRecord.h"
#include "FileHandle.h"
#include "FuzzCheck.h"
#include "RecordCursor.h"
#include "RomFile.h"
#include "TableGeometry.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

using namespace mobwright;
using mobwright::fuzz::Require;

namespace {

// The smallest image with a copier header that holds the table, and a
// headerless one: a multiple of 1024 bytes, and no smaller.
constexpr std::uint64_t HEADER_IMAGE_SIZE = 1403 * 1024 + 512;
constexpr std::uint64_t HEADERLESS_IMAGE_SIZE = 1404 * 1024;

struct ImageShape
{
    std::uint64_t size;
    bool withHeader;
    std::uint32_t tableOffset;
};

// Sizes an odd or an even number of KiB above the smallest, so that a rule
// that looked at more than the size modulo 1024 would put the table wrong.
ImageShape ShapeFrom(std::uint8_t choice)
{
    const bool withHeader = (choice & 1) != 0;
    const std::uint64_t grown = 1024 * ((choice >> 1) & 3);
    if (withHeader)
        return {HEADER_IMAGE_SIZE + grown, true, ENEMY_TABLE_OFFSET};
    return {HEADERLESS_IMAGE_SIZE + grown, false, ENEMY_TABLE_OFFSET - COPIER_HEADER_SIZE};
}

constexpr std::array<Field, 2> ADDRESS_FIELDS{Field::StartText, Field::DeathText};

// One per process, so that parallel fuzzing jobs never share an image.
std::string ScratchPath()
{
    const std::string name = "mobwright-fuzz-" + std::to_string(::getpid()) + ".smc";
    return (std::filesystem::temp_directory_path() / name).string();
}

// One scratch image for the whole run: an input only resizes it and rewrites
// its table, which keeps each run far cheaper than writing a whole image.
class ScratchImage
{
public:
    ScratchImage()
        : path_(ScratchPath())
        , fd_(::open(path_.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600))
    {
        Require(fd_ >= 0, "the scratch image can be created");
    }
    ~ScratchImage()
    {
        ::close(fd_);
        ::unlink(path_.c_str());
    }
    ScratchImage(const ScratchImage &) = delete;
    ScratchImage &operator=(const ScratchImage &) = delete;

    const std::string &path() const { return path_; }

    // Bytes outside the table keep whatever an earlier input left there:
    // the record passes must not look at them anyway.
    void prepare(const ImageShape &shape, std::span<const std::uint8_t> table)
    {
        Require(::ftruncate(fd_, static_cast<off_t>(shape.size)) == 0,
                "the scratch image can be resized");
        const auto written = ::pwrite(fd_, table.data(), table.size(), shape.tableOffset);
        Require(written == static_cast<ssize_t>(table.size()), "the scratch table can be written");
    }

    std::vector<std::uint8_t> table(const ImageShape &shape) const
    {
        std::vector<std::uint8_t> bytes(ENEMY_TABLE_SIZE);
        const auto read = ::pread(fd_, bytes.data(), bytes.size(), shape.tableOffset);
        Require(read == static_cast<ssize_t>(bytes.size()), "the scratch table can be read back");
        return bytes;
    }

private:
    std::string path_;
    int fd_;
};

// Passes every access on to the image file once it has checked that the
// access stays within the fields of the selected record.
class FieldsOnlyFile final : public FileHandle
{
public:
    FieldsOnlyFile(std::unique_ptr<FileHandle> file, std::uint32_t recordOffset)
        : file_(std::move(file))
        , recordOffset_(recordOffset)
    {
    }

    std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> buffer) override
    {
        RequireWithinFields(offset, buffer.size());
        return file_->readAt(offset, buffer);
    }
    void writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override
    {
        RequireWithinFields(offset, bytes.size());
        file_->writeAt(offset, bytes);
    }
    std::uint64_t size() override { return file_->size(); }
    void sync() override { file_->sync(); }

private:
    void RequireWithinFields(std::uint64_t offset, std::size_t count) const
    {
        for (std::uint64_t at = offset; at < offset + count; ++at) {
            const auto inRecord = static_cast<std::int64_t>(at) - recordOffset_;
            Require(inRecord >= 0 && inRecord < ENEMY_RECORD_SIZE &&
                        !IsUntouchedOffset(static_cast<int>(inRecord)),
                    "the record passes touch nothing but the selected record's fields");
        }
    }

    std::unique_ptr<FileHandle> file_;
    std::int64_t recordOffset_;
};

// The table filled over and over with fill, starting at the record at offset
// recordInTable within it.
std::vector<std::uint8_t> TableFrom(std::span<const std::uint8_t> fill, std::uint32_t recordInTable)
{
    std::vector<std::uint8_t> table(ENEMY_TABLE_SIZE);
    for (std::size_t i = 0; i < table.size() && !fill.empty(); ++i)
        table[(recordInTable + i) % table.size()] = fill[i % fill.size()];
    return table;
}

// Copies the fields of record into table, where the record starts at recordInTable.
void PutFields(std::vector<std::uint8_t> &table, std::uint32_t recordInTable,
               const EnemyRecord &record)
{
    for (const FieldLayout &layout : EnemyLayout) {
        const auto bytes = record.bytes(layout.field);
        std::copy(bytes.begin(), bytes.end(), table.begin() + recordInTable + layout.offset);
    }
}

bool HoldsFieldsOf(const EnemyRecord &record, std::span<const std::uint8_t> recordBytes)
{
    return std::all_of(EnemyLayout.begin(), EnemyLayout.end(), [&](const FieldLayout &layout) {
        const auto stored = recordBytes.subspan(static_cast<std::size_t>(layout.offset),
                                                static_cast<std::size_t>(layout.width));
        return std::ranges::equal(record.bytes(layout.field), stored);
    });
}

EnemyRecord WithAddressTopBytesCleared(EnemyRecord record)
{
    for (const Field field : ADDRESS_FIELDS)
        record.bytes(field)[3] = 0;
    return record;
}

// Opens the image, reads the record, applies the form filled from it and
// writes the result back; returns what was written.
EnemyRecord ShowAndApply(const std::string &path, const ImageShape &shape, int index,
                         std::span<const std::uint8_t> recordBytes)
{
    const std::uint32_t recordOffset =
        shape.tableOffset + static_cast<std::uint32_t>(ENEMY_RECORD_SIZE * index);
    RomFile rom = RomFile::Open(path, [recordOffset](const std::string &file) {
        return std::make_unique<FieldsOnlyFile>(OpenLockedFile(file), recordOffset);
    });
    Require(rom.hasCopierHeader() == shape.withHeader && rom.tableOffset() == shape.tableOffset,
            "the image size decides the copier header and so where the table lies");
    RecordCursor cursor(rom, [index] { return index; });

    const EnemyRecord record = ReadEnemyRecord(cursor);
    Require(HoldsFieldsOf(record, recordBytes), "a record read holds the image's bytes");

    const auto applied = RecordFromForm(FormFromRecord(record), record);
    const EnemyRecord *result = std::get_if<EnemyRecord>(&applied);
    Require(result != nullptr, "a form filled from a record accepts every field as it is");
    Require(*result == WithAddressTopBytesCleared(record),
            "an untouched form gives back its record, text-address top bytes cleared");

    WriteEnemyRecord(cursor, *result);
    return *result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    const ImageShape shape = ShapeFrom(data[0]);
    const int index = data[1] % ENEMY_COUNT;
    const auto recordInTable = static_cast<std::uint32_t>(ENEMY_RECORD_SIZE * index);

    const std::vector<std::uint8_t> table = TableFrom(std::span(data + 2, size - 2), recordInTable);
    static ScratchImage image;
    image.prepare(shape, table);

    const EnemyRecord written = ShowAndApply(
        image.path(), shape, index, std::span(table).subspan(recordInTable, ENEMY_RECORD_SIZE));

    std::vector<std::uint8_t> expected = table;
    PutFields(expected, recordInTable, written);
    Require(image.table(shape) == expected,
            "writing a record changes its fields in the image and nothing else");
    return 0;
}

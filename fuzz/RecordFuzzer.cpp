// Reads a record from bytes the input supplies, fills a form from it and
// applies the form untouched: the table must come back as it was, but for
// the record's two text addresses' fourth bytes, which are written as 0.
// Input: byte 0 picks the image (bit 0: with a copier header; bits 1-2: how
// many KiB beyond the smallest), byte 1 the record; the rest fills the table
// over and over.

#include "EnemyForm.h"
#include "EnemyRecord.h"
#include "FuzzCheck.h"
#include "RecordCursor.h"
#include "RomFile.h"

#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

using namespace mobwright;
using mobwright::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    const bool header = (data[0] & 1) != 0;
    const std::uint64_t imageSize = 1403 * 1024 + (header ? 512 : 0) + 1024 * ((data[0] >> 1) & 3);
    const std::uint32_t tableOffset = header ? ENEMY_TABLE_OFFSET : ENEMY_TABLE_OFFSET - 512;
    const int index = data[1] % ENEMY_COUNT;
    std::vector<std::uint8_t> table(ENEMY_TABLE_SIZE);
    for (std::size_t i = 0; i < table.size() && size > 2; ++i)
        table[(ENEMY_RECORD_SIZE * index + i) % table.size()] = data[2 + i % (size - 2)];

    // One scratch image per process, only resized and refilled for each input.
    static const std::string path = (std::filesystem::temp_directory_path() /
                                     ("mobwright-fuzz-" + std::to_string(::getpid()) + ".smc"))
                                        .string();
    static const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    Require(fd >= 0 && ::ftruncate(fd, static_cast<off_t>(imageSize)) == 0 &&
                ::pwrite(fd, table.data(), table.size(), tableOffset) ==
                    static_cast<ssize_t>(table.size()),
            "the scratch image can be written");
    {
        RomFile rom = RomFile::Open(path);
        Require(rom.tableOffset() == tableOffset, "the image's size tells where the table lies");
        RecordCursor cursor(rom, [index] { return index; });
        const EnemyRecord record = ReadEnemyRecord(cursor);
        const auto applied = RecordFromForm(FormFromRecord(record), record);
        Require(std::holds_alternative<EnemyRecord>(applied),
                "a form filled from a record takes it as it is");
        WriteEnemyRecord(cursor, std::get<EnemyRecord>(applied));
    }
    std::vector<std::uint8_t> written(table.size());
    Require(::pread(fd, written.data(), written.size(), tableOffset) ==
                static_cast<ssize_t>(written.size()),
            "the scratch image can be read back");
    table[ENEMY_RECORD_SIZE * index + 48] = table[ENEMY_RECORD_SIZE * index + 52] = 0;
    Require(written == table, "an unchanged record is written back as it was read");
    return 0;
}

// A record read from any bytes and applied unchanged is written back as it was,
// but for its text addresses' fourth bytes, written as 0. Input: the image
// kind (bit 0: copier header; bits 1-2: KiB more), the record, the table.

#include "EnemyForm.h"
#include "FuzzCheck.h"
#include "RecordCursor.h"
#include "RomFile.h"

#include <filesystem>
#include <fstream>

#include <unistd.h>

using namespace mobwright;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    const int index = data[1] % ENEMY_COUNT;
    std::vector<std::uint8_t> table(ENEMY_TABLE_SIZE), written(ENEMY_TABLE_SIZE);
    for (std::size_t i = 0; i < table.size() && size > 2; ++i)
        table[(ENEMY_RECORD_SIZE * index + i) % table.size()] = data[2 + i % (size - 2)];
    // One scratch image per process, resized and refilled for each input.
    static const auto path =
        std::filesystem::temp_directory_path() / ("mobwright-fuzz-" + std::to_string(::getpid()));
    std::ofstream(path, std::ios::app).close();
    std::filesystem::resize_file(path, 1403 * 1024 + (data[0] & 1 ? 512 : 0) +
                                           1024 * ((data[0] >> 1) & 3));
    RomFile rom = RomFile::Open(path);
    const std::uint32_t tableOffset = rom.tableOffset();
    rom.WriteRomBytes(tableOffset, table);
    RecordCursor cursor(rom, [index] { return index; });
    const EnemyRecord record = ReadEnemyRecord(cursor);
    WriteEnemyRecord(cursor, std::get<EnemyRecord>(RecordFromForm(FormFromRecord(record), record)));
    rom.ReadRomBytes(tableOffset, written);
    table[ENEMY_RECORD_SIZE * index + 48] = table[ENEMY_RECORD_SIZE * index + 52] = 0;
    fuzz::Require(written == table, "an unchanged record is written back as it was read");
    return 0;
}

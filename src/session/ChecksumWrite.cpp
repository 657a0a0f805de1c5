#include "ChecksumWrite.h"

#include "HeaderSearch.h"
#include "RomChecksum.h"
#include "RomError.h"
#include "RomFile.h"

#include <algorithm>

namespace mobwright {

std::variant<BytesWrite, std::string> ChecksumWrite(RomFile &rom,
                                                    const std::vector<RecordWrite> &records)
{
    ImageBytes file;
    try {
        file = rom.readAll();
    } catch (const RomError &error) {
        return error.what();
    }
    for (const RecordWrite &record : records)
        std::ranges::copy(record.after.allBytes(),
                          file.begin() + EnemyRecordOffset(rom.tableOffset(), record.index));
    const auto cartridge = CartridgeBytes(file, rom.kind());
    const HeaderSearch search = FindInternalHeader(cartridge);
    if (!search.found)
        return search.whyNotFound();
    const ChecksumFix fix = MakeChecksumFix(cartridge, *search.found, rom.kind());
    return BytesWrite{fix.fileOffset,
                      {fix.before.begin(), fix.before.end()},
                      {fix.after.begin(), fix.after.end()}};
}

} // namespace mobwright

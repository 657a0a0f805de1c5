#include "Baseline.h"

#include "RecordStore.h"
#include "RomError.h"

#include <QFile>

#include <algorithm>

namespace mobwright {

Baseline::Baseline(const std::string &fileName)
    : rom_(RomFile::open(fileName, OpenReadOnlyFile))
    , records_(ReadAllRecords(rom_))
{
}

QString Baseline::path() const
{
    return QFile::decodeName(rom_.path().c_str());
}

ImageBytes Baseline::contents()
{
    ImageBytes bytes = rom_.readAll();
    const auto table = bytes.begin() + rom_.tableOffset();
    for (std::size_t k = 0; k < records_.size(); ++k) {
        const auto record = records_[k].allBytes();
        if (!std::equal(record.begin(), record.end(),
                        table + static_cast<std::ptrdiff_t>(k * ENEMY_RECORD_SIZE)))
            throw RomError("The baseline \"" + rom_.path() +
                           "\" changed since it was chosen: choose it again to compare with it as "
                           "it is now.");
    }
    return bytes;
}

} // namespace mobwright

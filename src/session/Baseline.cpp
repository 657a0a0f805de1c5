#include "Baseline.h"

#include "RecordStore.h"
#include "RomError.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace mobwright {

Baseline::Baseline(const std::string &fileName)
    : rom_(RomFile::open(fileName, OpenReadOnlyFile))
    , records_(ReadAllRecords(rom_))
{
}

Baseline::Baseline(const std::string &image, const OriginalTable &original)
    : rom_(RomFile::open(image, OpenReadOnlyFile))
    , records_(original.records())
    , original_(true)
{
    if (original.offset != rom_.tableOffset() || records_.size() != ENEMY_COUNT)
        throw RomError("The original table that the journal of \"" + image +
                       "\" keeps does not fit the image as it is now.");
}

QString Baseline::name() const
{
    const QString file = QFileInfo(path()).fileName();
    return original_ ? QCoreApplication::translate("Baseline", "the original table of %1").arg(file)
                     : file;
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
        if (original_) {
            std::ranges::copy(record, table + static_cast<std::ptrdiff_t>(k * ENEMY_RECORD_SIZE));
            continue;
        }
        if (!std::equal(record.begin(), record.end(),
                        table + static_cast<std::ptrdiff_t>(k * ENEMY_RECORD_SIZE)))
            throw RomError("The baseline \"" + rom_.path() +
                           "\" changed since it was chosen: choose it again to compare with it as "
                           "it is now.");
    }
    return bytes;
}

} // namespace mobwright

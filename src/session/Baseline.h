#pragma once

#include "EnemyRecord.h"
#include "RomFile.h"

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace mobwright {

// An image the open one is compared with, such as the unmodified one. It is
// opened for reading only and never locked, so that an image open in another
// editor, or one the user may not write, can be the baseline. Its table is
// read once; its file stays open until the baseline is let go, so that a
// patch is made from the very file that was compared, and costs no memory
// until then.
class Baseline
{
public:
    // Opens and checks fileName as any image; throws RomError naming the
    // file and why it is refused.
    explicit Baseline(const std::string &fileName);

    QString path() const;
    bool hasCopierHeader() const { return rom_.hasCopierHeader(); }
    // Whether fileName leads to the baseline's file.
    bool holds(const std::string &fileName) const { return rom_.holds(fileName); }
    const RomFile &rom() const { return rom_; }

    const std::vector<EnemyRecord> &records() const { return records_; }

    // Every byte of the file in one read. Throws RomError when the file
    // changed since its table was read: a patch from it would not be made
    // from what was compared.
    ImageBytes contents();

private:
    RomFile rom_;
    std::vector<EnemyRecord> records_;
};

} // namespace mobwright

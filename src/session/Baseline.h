#pragma once

#include "EnemyRecord.h"
#include "JournalEntry.h"
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
    // The table image held before the editor first wrote into it, kept in
    // its journal: the rest of the image is compared with itself.
    Baseline(const std::string &image, const OriginalTable &original);

    QString path() const;
    // Its file's name, or "the original table of" the image's.
    QString name() const;
    bool isOriginal() const { return original_; }
    bool hasCopierHeader() const { return rom_.hasCopierHeader(); }
    // Whether fileName leads to the baseline's file.
    bool holds(const std::string &fileName) const { return rom_.holds(fileName); }
    const RomFile &rom() const { return rom_; }

    const std::vector<EnemyRecord> &records() const { return records_; }

    // Every byte of the file in one read, with the original table in its
    // place. Throws RomError when the file of another image changed since
    // its table was read: a patch from it would not be made from what was
    // compared.
    ImageBytes contents();

private:
    RomFile rom_;
    std::vector<EnemyRecord> records_;
    bool original_ = false;
};

} // namespace mobwright

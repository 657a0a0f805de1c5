#include "EnemyLabels.h"

#include "ASCIIControl.h"
#include "EnemyLayout.h"
#include "RomFile.h"
#include "TableGeometry.h"

namespace mobwright {

std::string EnemyLabel(int index, std::string_view name)
{
    return ASCIIControl::ZeroPad(std::to_string(index + 1), 3) + ": " + std::string(name);
}

std::vector<std::string> ReadEnemyLabels(RomFile &rom)
{
    std::vector<std::string> labels;
    labels.reserve(ENEMY_COUNT);
    const auto nameOffset = static_cast<std::uint32_t>(LayoutOf(Field::Name).offset);
    for (int k = 0; k < ENEMY_COUNT; ++k) {
        const std::uint32_t offset = EnemyRecordOffset(rom.tableOffset(), k) + nameOffset;
        labels.push_back(EnemyLabel(k, ASCIIControl::ReadGameString(rom, offset)));
    }
    return labels;
}

} // namespace mobwright

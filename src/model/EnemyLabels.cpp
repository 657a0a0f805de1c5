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

std::string ReadEnemyName(RomFile &rom, int index)
{
    const auto nameOffset = static_cast<std::uint32_t>(LayoutOf(Field::Name).offset);
    return ASCIIControl::ReadGameString(rom, EnemyRecordOffset(rom.tableOffset(), index) + nameOffset);
}

std::vector<std::string> ReadEnemyLabels(RomFile &rom)
{
    std::vector<std::string> labels;
    labels.reserve(ENEMY_COUNT);
    for (int k = 0; k < ENEMY_COUNT; ++k)
        labels.push_back(EnemyLabel(k, ReadEnemyName(rom, k)));
    return labels;
}

} // namespace mobwright

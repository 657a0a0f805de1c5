#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mobwright {

class RomFile;

// A picker entry: the 1-based record number in three digits, ": ", the name.
std::string EnemyLabel(int index, std::string_view name);

// The name of record index as the image stores it.
std::string ReadEnemyName(RomFile &rom, int index);

// The picker entries of all 230 records, named as the image stores them.
std::vector<std::string> ReadEnemyLabels(RomFile &rom);

} // namespace mobwright

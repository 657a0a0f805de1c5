#pragma once

#include "EnemyRecord.h"
#include "ImageNames.h"
#include "LabelForms.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace mobwright {

class RomFile;

// Which enemies use each picture, music track and action, from their records.
class EnemyUsage
{
public:
    // Reads the whole enemy table in one read; throws RomError if it cannot.
    void read(RomFile &rom);
    void clear();

    // Takes the record now stored for enemy index; returns the entries whose
    // users or their names may have changed.
    std::vector<ListEntry> update(int index, const EnemyRecord &record);

    // "Marsh Hopper" and " +2" when three enemies use the entry: the first
    // of them that has a name. Empty when no named enemy uses it.
    EntryName usersOf(ListEntry entry) const;
    // The enemies whose records use the entry, by ascending index.
    std::vector<int> users(ListEntry entry) const;

private:
    struct Enemy
    {
        std::string name;
        std::vector<ListEntry> uses;
    };

    void setEnemy(int index, Enemy enemy);
    std::vector<int> &usersAt(ListEntry entry);

    std::vector<Enemy> enemies_;
    // For each list, for each entry: the enemies using it, by ascending index.
    std::array<std::vector<std::vector<int>>, LONG_LISTS.size()> users_;
};

} // namespace mobwright

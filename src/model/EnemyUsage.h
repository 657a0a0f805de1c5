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

// Which enemies use each picture, music track and action, from their records.
class EnemyUsage
{
public:
    // Takes the records of a whole enemy table; returns the entries whose
    // users or their names may have changed since the table taken before.
    std::vector<ListEntry> read(std::span<const EnemyRecord> records);
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
        std::vector<std::uint8_t> nameBytes;
        std::string name; // decoded from them
        std::vector<ListEntry> uses;
    };

    Enemy enemyOf(const EnemyRecord &record, const Enemy &before) const;

    void setEnemy(int index, Enemy enemy);
    std::vector<int> &usersAt(ListEntry entry);

    std::vector<Enemy> enemies_;
    // For each list, for each entry: the enemies using it, by ascending index.
    std::array<std::vector<std::vector<int>>, LONG_LISTS.size()> users_;
};

} // namespace mobwright

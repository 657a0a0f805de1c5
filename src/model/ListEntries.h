#pragma once

#include "EnemyRecord.h"
#include "ListLabels.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace mobwright {

// What the entries of the lists are called while an image is open.
struct EntryNaming
{
    // The long lists as the window labels them; the built-in labels if null.
    const ListLabels *longLabels = nullptr;
    // An enemy's picker label, "008: Bat", for the arguments that call
    // enemies; without it those entries go by their numbers alone.
    std::function<std::string(int index)> enemyLabel;
};

// One entry that a list or flag field's control offers, as the user reads it.
struct OfferedEntry
{
    std::uint32_t stored; // what the record stores for it
    std::string label;    // as its list shows it: "5B - Boss", "008: Bat", "Insect"
    std::string name;     // the label without its number: "Boss", "Bat", "Insect"
};

// Every entry a list or flag field's control offers while record is shown,
// in the list's order; an argument's entries follow its slot's action.
std::vector<OfferedEntry> OfferedEntries(Field field, const EnemyRecord &record,
                                         const EntryNaming &naming);
// The entry that record's stored value picks, if its control shows one.
std::optional<OfferedEntry> StoredEntry(Field field, const EnemyRecord &record,
                                        const EntryNaming &naming);

// Music tracks are numbered in hexadecimal, as their labels are; every
// other list in decimal.
bool NumbersInHex(Field field);
// A stored value as its list numbers it: "5B" for a track, "440" for a picture.
std::string EntryNumber(Field field, std::uint32_t stored);

} // namespace mobwright

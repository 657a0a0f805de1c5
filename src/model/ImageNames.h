#pragma once

#include <string>
#include <vector>

namespace mobwright {

class RomFile;

// A name for a list entry and what follows it, kept whole when the name is cut.
struct EntryName
{
    std::string name;
    std::string tail; // " +2", " β"
    bool empty() const { return name.empty(); }
    bool operator==(const EntryName &) const = default;
};

// The item table holds this many items; the item list's last two have no entry.
inline constexpr int TABLE_ITEM_COUNT = 254;

// Names the image itself gives: its item table, and the abilities and items
// that perform each action code. The tables are only read, never written.
struct ImageNames
{
    std::vector<std::string> items; // by item number; empty where the table names none
    std::vector<EntryName> actions; // by action code: "PSI Spark β", "Use: Cookie +3"
};

// Reads the item table, the PSI ability table and the PSI names, each in
// one read; throws RomError if the image cannot be read.
ImageNames ReadImageNames(RomFile &rom);

} // namespace mobwright

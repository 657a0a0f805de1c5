#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mobwright {

class EnemyRecord;

// An enemy's number as the pickers show it: 001 to 230.
std::string EnemyNumber(int index);

// A picker entry: the 1-based record number in three digits, ": ", the name.
std::string EnemyLabel(int index, std::string_view name);
// The same for a record, named as it stores its name.
std::string EnemyLabel(int index, const EnemyRecord &record);

} // namespace mobwright

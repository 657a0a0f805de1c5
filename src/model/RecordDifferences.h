#pragma once

#include "EnemyRecord.h"
#include "RecordCell.h"

#include <optional>
#include <string>
#include <vector>

namespace mobwright {

// Something that differs in one enemy's record between the baseline and now.
struct RecordDifference
{
    int enemy; // index, 0 to 229
    RecordCell cell;
    // The values as the user reads them: numbers in decimal, a list's
    // entries as the list numbers them (music in hex), text addresses in six
    // hex digits, the name as text, or as its bytes in hex when the two
    // names read alike.
    std::string baseline;
    std::string current;

    bool operator==(const RecordDifference &) const = default;
};

// Every difference between the records of both tables, by enemy and then by
// offset; records past the end of the shorter table are not compared. A text
// address's fourth byte, which its six digits do not show, is a byte of its
// own, as in an exported table.
std::vector<RecordDifference> RecordDifferences(const std::vector<EnemyRecord> &baseline,
                                                const std::vector<EnemyRecord> &current);

// What differs between two records of one enemy, named in record order as
// CellName names them.
std::vector<std::string> DifferingParts(const EnemyRecord &before, const EnemyRecord &now);

} // namespace mobwright

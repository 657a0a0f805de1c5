#pragma once

#include "RecordDifferences.h"
#include "TextTable.h"

#include <vector>

namespace mobwright {

// What differs between a baseline's enemy table and an image's, a row for
// each field or byte: the enemy as the image names it, the column an export
// gives that field or byte, and both values as the user reads them.
TextTable DifferenceTable(const std::vector<EnemyRecord> &baseline,
                          const std::vector<EnemyRecord> &current);
// The same for differences found already between a baseline and current.
TextTable DifferenceTable(const std::vector<RecordDifference> &differences,
                          const std::vector<EnemyRecord> &current);

} // namespace mobwright

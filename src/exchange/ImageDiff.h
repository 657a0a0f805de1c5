#pragma once

#include "EnemyRecord.h"
#include "TextTable.h"
#include "TableGeometry.h"

#include <cstdint>
#include <span>
#include <vector>

namespace mobwright {

// What differs between a baseline's enemy table and an image's, a row for
// each field or byte: the enemy as the image names it, the column an export
// gives that field or byte, and both values as the user reads them.
TextTable DifferenceTable(const std::vector<EnemyRecord> &baseline,
                          const std::vector<EnemyRecord> &current);

enum class PatchFormat { Ips, Bps };

// A patch that turns baseline into image. It is made in image's form, the
// baseline brought to it (given image's copier header, or its own taken
// off), or, when headerless, between both images without their headers.
// Throws std::invalid_argument or std::length_error, whose message says why
// no such patch can be made.
std::vector<std::uint8_t> DifferencePatch(std::span<const std::uint8_t> baseline,
                                          std::span<const std::uint8_t> image, PatchFormat format,
                                          bool headerless);

} // namespace mobwright

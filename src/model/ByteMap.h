#pragma once

#include "RecordCell.h"
#include "TableGeometry.h"

#include <vector>

namespace mobwright {

// What one byte of the record belongs to.
struct MappedByte
{
    RecordCell cell; // the field that covers the byte, or the byte itself
    int place = 0;   // the byte's place within its field, from 0

    bool covered() const { return cell.field().has_value(); }
};

// Every byte of the record, by offset, as the record layout places its fields.
const std::vector<MappedByte> &ByteMap();

} // namespace mobwright

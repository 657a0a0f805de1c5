#pragma once

#include "EnemyLayout.h"

#include <string>

namespace mobwright {

class EnemyRecord;

// What a field is, in plain words where its meaning is known, the values it
// accepts and where it lies in the record: a field's tooltip. With a record,
// an argument also says what its action makes it hold.
std::string FieldHelp(Field field, const EnemyRecord *record = nullptr);

// The same for a byte that no field covers.
std::string ByteHelp(int offset);

} // namespace mobwright

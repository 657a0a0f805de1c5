#pragma once

#include <QString>

namespace mobwright {

enum class Noun { Enemy, Field, Cell, FieldOrByte, UnlistedValue };

// "1 enemy", "3 enemies", in the language the program speaks.
QString Counted(qsizetype count, Noun noun);

} // namespace mobwright

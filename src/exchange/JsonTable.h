#pragma once

#include "TextTable.h"

#include <QByteArray>

namespace mobwright {

// A JSON array with one object per row, keyed by the header; numeric
// columns hold numbers, the others text.
QByteArray WriteJson(const TextTable &table);

// Reads such an array; each object gives the cells it has keys for. Refuses
// anything but an array of objects, and a value of the wrong type.
TableRead ReadJson(const QByteArray &bytes);

} // namespace mobwright

#pragma once

#include "TextTable.h"

#include <QByteArray>

namespace mobwright {

// A JSON array with one object per row, keyed by the header; numeric
// columns hold numbers, the others text.
QByteArray WriteJson(const TextTable &table);

// Reads such an array strictly: every key is a column an export writes, given
// once in its object, with a number or a string as its column holds; numbers
// are kept as written, for the column to judge. Refuses anything else.
TableRead ReadJson(const QByteArray &bytes);

} // namespace mobwright

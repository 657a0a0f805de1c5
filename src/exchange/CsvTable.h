#pragma once

#include "TextTable.h"

#include <QByteArray>

namespace mobwright {

// RFC 4180 CSV in UTF-8: the header row, then one row per table row, CRLF
// after each; cells are quoted where they need it.
QByteArray WriteCsv(const TextTable &table);

// Reads CSV such as WriteCsv writes or a spreadsheet saves; refuses a file
// that is not well-formed or whose rows differ in length from the header.
TableRead ReadCsv(const QByteArray &bytes);

} // namespace mobwright

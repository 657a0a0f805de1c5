#include "TextTable.h"

namespace mobwright {

void TextTable::addRow(QStringList cells, int number)
{
    rows.push_back(std::move(cells));
    rowNumbers.push_back(number);
}

TableFormat FormatOfPath(const QString &path)
{
    return path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive) ? TableFormat::Json
                                                                       : TableFormat::Csv;
}

} // namespace mobwright

#include "TextTable.h"

namespace mobwright {

void TextTable::addRow(QStringList cells, int number)
{
    rows.push_back(std::move(cells));
    rowNumbers.push_back(number);
}

} // namespace mobwright

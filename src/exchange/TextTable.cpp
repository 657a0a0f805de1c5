#include "TextTable.h"

namespace mobwright {

TableFormat FormatOfPath(const QString &path)
{
    return path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive) ? TableFormat::Json
                                                                       : TableFormat::Csv;
}

} // namespace mobwright

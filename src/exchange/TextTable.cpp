#include "TextTable.h"

namespace mobwright {

QString TableRefusal::message() const
{
    QString where = row > 0 ? QStringLiteral("Row %1").arg(row) : QStringLiteral("The file");
    if (!column.isEmpty())
        where += QStringLiteral(", column \"%1\"").arg(column);
    if (text.isNull())
        return QStringLiteral("%1: %2.").arg(where, accepted);
    return QStringLiteral("%1: cannot take \"%2\". It accepts %3.").arg(where, text, accepted);
}

TableFormat FormatOfPath(const QString &path)
{
    return path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive) ? TableFormat::Json
                                                                       : TableFormat::Csv;
}

} // namespace mobwright

#pragma once

#include <QString>

namespace mobwright {

// "1 enemy", "3 enemies".
inline QString Counted(qsizetype count, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

} // namespace mobwright

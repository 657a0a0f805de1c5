#include "WholeFile.h"

#include <QSaveFile>

namespace mobwright {

std::optional<QString> SaveWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
    return std::nullopt;
}

} // namespace mobwright

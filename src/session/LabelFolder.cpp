#include "LabelFolder.h"

#include "ImageSession.h"
#include "QtText.h"
#include "UserLabels.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace mobwright {

QString LabelFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/labels");
}

QStringList ReadLabelFolder(const QString &folder, ImageSession &session)
{
    QStringList problems;
    const auto refuse = [&problems](const QString &where, const QString &why) {
        problems.append(
            QStringLiteral("The label file %1 is not used, %2: the built-in list is used instead.")
                .arg(where, why));
    };
    for (const LongList list : LONG_LISTS) {
        QFile file(QDir(folder).filePath(ToQString(LabelFileName(list))));
        if (!file.exists())
            continue;
        if (!file.open(QIODevice::ReadOnly)) {
            refuse(file.fileName(),
                   QStringLiteral("it cannot be read (%1)").arg(file.errorString()));
            continue;
        }
        const QByteArray text = file.readAll();
        auto parsed = ParseLabelFile(
            list, std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
        if (const auto *error = std::get_if<Refusal>(&parsed)) {
            refuse(file.fileName(),
                   QStringLiteral("line %1: %2").arg(error->row).arg(ToQString(error->accepted)));
            continue;
        }
        session.setBaseLabels(list, std::move(std::get<std::vector<std::string>>(parsed)));
    }
    return problems;
}

} // namespace mobwright

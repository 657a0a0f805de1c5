#include "OutputFile.h"

#include "RomFile.h"

#include <QFileInfo>
#include <QSaveFile>

namespace mobwright {
namespace {

const RomFile *ImageAt(const std::string &path, const std::vector<const RomFile *> &images)
{
    for (const RomFile *image : images) {
        if (image->holds(path))
            return image;
    }
    return nullptr;
}

OutputFailure Refused(const QString &path, const QString &why)
{
    return {true, QStringLiteral("Not written to ") + path + QStringLiteral(": ") + why};
}

OutputFailure IsTheImage(const QString &path, const RomFile &image)
{
    return Refused(path, QStringLiteral("it is the image ") + QString::fromStdString(image.path()) +
                             QStringLiteral(", by this name or another; choose another file."));
}

} // namespace

std::optional<OutputFailure> SaveOutput(const QString &path, const QByteArray &bytes,
                                        const std::vector<const RomFile *> &images)
{
    if (const RomFile *image = ImageAt(QFile::encodeName(path).toStdString(), images))
        return IsTheImage(path, *image);
    const QFileInfo target(path);
    if (target.isDir())
        return Refused(path, QStringLiteral("it is a folder."));
    if (target.exists() && !target.isFile())
        return Refused(path, QStringLiteral("it is a device or a FIFO, not a regular file; "
                                            "\"-\" names standard output."));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return OutputFailure{false, QStringLiteral("Cannot write ") + path + QStringLiteral(": ") +
                                        file.errorString()};
    return std::nullopt;
}

std::optional<OutputFailure> WriteOutput(QIODevice &out, const QByteArray &bytes,
                                         const std::vector<const RomFile *> &images)
{
    auto *file = qobject_cast<QFileDevice *>(&out);
    const QString name = QStringLiteral("standard output");
    if (file && file->handle() >= 0) {
        if (const RomFile *image = ImageAt("/dev/fd/" + std::to_string(file->handle()), images))
            return IsTheImage(name, *image);
    }
    if (out.write(bytes) != bytes.size() || (file && !file->flush()))
        return OutputFailure{false, QStringLiteral("Cannot write to ") + name +
                                        QStringLiteral(": ") + out.errorString()};
    return std::nullopt;
}

} // namespace mobwright

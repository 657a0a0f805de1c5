#include "OutputFile.h"

#include "RomFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

namespace mobwright {
namespace {

// This file's texts, as translators see them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(OutputFile)
};

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
    return {true, Text::tr("Not written to %1: %2").arg(path, why)};
}

OutputFailure IsTheImage(const QString &path, const RomFile &image)
{
    return Refused(path,
                   Text::tr("it is the image %1, by this name or another; choose another file.")
                       .arg(QString::fromStdString(image.path())));
}

} // namespace

std::optional<OutputFailure> SaveOutput(const QString &path, const QByteArray &bytes,
                                        const std::vector<const RomFile *> &images)
{
    if (const RomFile *image = ImageAt(QFile::encodeName(path).toStdString(), images))
        return IsTheImage(path, *image);
    const QFileInfo target(path);
    if (target.isDir())
        return Refused(path, Text::tr("it is a folder."));
    if (target.exists() && !target.isFile())
        return Refused(path, Text::tr("it is a device or a FIFO, not a regular file; "
                                      "\"-\" names standard output."));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return OutputFailure{false, Text::tr("Cannot write %1: %2").arg(path, file.errorString())};
    return std::nullopt;
}

std::optional<OutputFailure> WriteOutput(QIODevice &out, const QByteArray &bytes,
                                         const std::vector<const RomFile *> &images)
{
    auto *file = qobject_cast<QFileDevice *>(&out);
    const QString name = Text::tr("standard output");
    if (file && file->handle() >= 0) {
        if (const RomFile *image = ImageAt("/dev/fd/" + std::to_string(file->handle()), images))
            return IsTheImage(name, *image);
    }
    if (out.write(bytes) != bytes.size() || (file && !file->flush()))
        return OutputFailure{false,
                             Text::tr("Cannot write to %1: %2").arg(name, out.errorString())};
    return std::nullopt;
}

} // namespace mobwright

#include "LabelFolder.h"

#include "ImageSession.h"
#include "QtText.h"
#include "UserLabels.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <variant>

#include <fcntl.h>
#include <sys/stat.h>

namespace mobwright {
namespace {

// This file's texts, as translators see them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(LabelFolder)
};

QString TooLarge()
{
    return Text::tr("it is over 1 MiB, far more than any list's labels");
}

QString WhyNotRegular(const QFileInfo &info)
{
    if (info.isDir())
        return Text::tr("it is a folder");
    if (!info.isFile())
        return Text::tr("it is a device or a FIFO, not a regular file");
    if (info.size() > MAX_LABEL_FILE_SIZE)
        return TooLarge();
    return {};
}

// A label file's text, or why it is not read. It is opened without waiting
// and looked at again once open, so that nothing put in its place meanwhile
// can block the start or be read without end.
std::variant<QByteArray, QString> ReadLabelFile(const QString &path)
{
    if (QString why = WhyNotRegular(QFileInfo(path)); !why.isEmpty())
        return why;
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return Text::tr("it cannot be opened (%1)").arg(ToQString(std::strerror(errno)));
    QFile file;
    file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    struct stat status
    {
    };
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
        return Text::tr("it is not a regular file");
    const QByteArray text = file.read(MAX_LABEL_FILE_SIZE + 1);
    if (file.error() != QFileDevice::NoError)
        return Text::tr("it cannot be read (%1)").arg(file.errorString());
    if (text.size() > MAX_LABEL_FILE_SIZE)
        return TooLarge(); // it grew while being read
    return text;
}

} // namespace

QString LabelFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/labels");
}

Checked<std::vector<std::string>> ReadLabelList(const QString &folder, LongList list)
{
    const QString path = LabelFilePath(folder, list);
    const auto refuse = [&path](const QString &why) {
        return Refusal{
            .accepted = Text::tr("The label file %1 is not used, %2").arg(path, why).toStdString()};
    };
    const auto read = ReadLabelFile(path);
    if (const auto *why = std::get_if<QString>(&read))
        return refuse(*why);
    const QByteArray &text = std::get<QByteArray>(read);
    auto parsed = ParseLabelFile(
        list, std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    if (const auto *error = std::get_if<Refusal>(&parsed))
        return refuse(Text::tr("line %1: %2").arg(error->row).arg(ToQString(error->accepted)));
    return parsed;
}

QString LabelFilePath(const QString &folder, LongList list)
{
    return QDir(folder).filePath(ToQString(LabelFileName(list)));
}

QStringList ReadLabelFolder(const QString &folder, ImageSession &session)
{
    QStringList problems;
    for (const LongList list : LONG_LISTS) {
        if (!QFileInfo::exists(LabelFilePath(folder, list)))
            continue;
        auto labels = ReadLabelList(folder, list);
        if (auto *refusal = std::get_if<Refusal>(&labels))
            problems.append(Text::tr("%1: the built-in list is used instead.")
                                .arg(ToQString(refusal->accepted)));
        else
            session.setBaseLabels(list, std::get<std::vector<std::string>>(std::move(labels)));
    }
    return problems;
}

} // namespace mobwright

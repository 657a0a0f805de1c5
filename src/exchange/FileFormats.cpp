#include "FileFormats.h"

#include "BpsPatch.h"
#include "CsvTable.h"
#include "IpsPatch.h"
#include "JsonTable.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <stdexcept>

namespace mobwright {
namespace {

QString Translated(const char *text)
{
    return QCoreApplication::translate("FileFormats", text);
}

} // namespace

QString FileFormat::filter(bool onlyPart) const
{
    return QStringLiteral("%1 (%2)").arg(Translated(onlyPart ? partFilterName : filterName), patterns());
}

QString FileFormat::patterns(const QString &separator) const
{
    QStringList patterns;
    for (const QString &extension : extensions)
        patterns.append(QStringLiteral("*.") + extension);
    return patterns.join(separator);
}

bool FileFormat::names(const QString &path) const
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return !suffix.isEmpty() && (extensions.contains(suffix) || alsoNamed.contains(suffix));
}

QString FileFormat::withExtension(const QString &path) const
{
    return QFileInfo(path).suffix().isEmpty() ? path + u'.' + extensions.front() : path;
}

const std::vector<FileFormat> &FileFormats()
{
    static const std::vector<FileFormat> formats{
        {FormatKind::Table, QStringLiteral("csv"), {QStringLiteral("csv")}, {},
         QT_TRANSLATE_NOOP("FileFormats", "CSV Files"),
         QT_TRANSLATE_NOOP("FileFormats", "CSV, only what the table shows"), WriteCsv, ReadCsv},
        {FormatKind::Table, QStringLiteral("json"), {QStringLiteral("json")}, {},
         QT_TRANSLATE_NOOP("FileFormats", "JSON Files"),
         QT_TRANSLATE_NOOP("FileFormats", "JSON, only what the table shows"), WriteJson, ReadJson},
        {FormatKind::Patch, QStringLiteral("ips"), {QStringLiteral("ips")}, {},
         QT_TRANSLATE_NOOP("FileFormats", "IPS Patches"), nullptr, nullptr, nullptr, MakeIpsPatch},
        {FormatKind::Patch, QStringLiteral("bps"), {QStringLiteral("bps")}, {},
         QT_TRANSLATE_NOOP("FileFormats", "BPS Patches"), nullptr, nullptr, nullptr, MakeBpsPatch},
        // Copiers and other tools name images *.swc and *.fig too.
        {FormatKind::Image, QStringLiteral("image"), {QStringLiteral("smc"), QStringLiteral("sfc")},
         {QStringLiteral("swc"), QStringLiteral("fig")},
         QT_TRANSLATE_NOOP("FileFormats", "Snes Rom Files")},
    };
    return formats;
}

const FileFormat &FormatNamed(QStringView key)
{
    for (const FileFormat &format : FileFormats()) {
        if (format.key == key)
            return format;
    }
    throw std::out_of_range("no file format is named " + key.toString().toStdString());
}

FormatHelper::FormatHelper(std::initializer_list<FormatKind> kinds)
{
    for (const FileFormat &format : FileFormats()) {
        if (std::ranges::find(kinds, format.kind) != kinds.end())
            formats_.push_back(&format);
    }
}

QString FormatHelper::filter(bool withParts) const
{
    QStringList filters;
    for (const FileFormat *format : formats_)
        filters.append(format->filter());
    for (const FileFormat *format : formats_) {
        if (withParts && format->partFilterName)
            filters.append(format->filter(true));
    }
    if (fallback().kind == FormatKind::Image)
        filters.append(Translated(QT_TRANSLATE_NOOP("FileFormats", "All Files (*)")));
    return filters.join(QStringLiteral(";;"));
}

QString FormatHelper::keys(const QString &separator) const
{
    QStringList keys;
    for (const FileFormat *format : formats_)
        keys.append(format->key);
    return keys.join(separator);
}

const FileFormat *FormatHelper::byKey(const QString &key) const
{
    for (const FileFormat *format : formats_) {
        if (format->key.compare(key, Qt::CaseInsensitive) == 0)
            return format;
    }
    return nullptr;
}

const FileFormat *FormatHelper::byPath(const QString &path) const
{
    for (const FileFormat *format : formats_) {
        if (format->names(path))
            return format;
    }
    return nullptr;
}

const FileFormat &FormatHelper::ofPath(const QString &path) const
{
    const FileFormat *format = byPath(path);
    return format ? *format : fallback();
}

const FileFormat *FormatHelper::byFilter(const QString &filter) const
{
    for (const FileFormat *format : formats_) {
        if (filter == format->filter() || (format->partFilterName && filter == format->filter(true)))
            return format;
    }
    return nullptr;
}

bool FormatHelper::isPartFilter(const QString &filter) const
{
    return std::ranges::any_of(formats_, [&filter](const FileFormat *format) {
        return format->partFilterName && filter == format->filter(true);
    });
}

} // namespace mobwright

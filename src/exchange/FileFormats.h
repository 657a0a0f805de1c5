#pragma once

#include "TextTable.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

namespace mobwright {

enum class FormatKind { Table, Patch, Image };

// A kind of file the program reads or writes: the one place that knows its
// --format word, its extensions, its filter in the file dialogs and the code
// that writes or reads it. The dialogs, the command line, export, import and
// patches all ask this table.
struct FileFormat
{
    using Bytes = std::span<const std::uint8_t>;

    FormatKind kind;
    QString key;               // "csv": the word --format takes
    QStringList extensions;    // offered in the dialogs; the first goes on a bare name
    QStringList alsoNamed;     // taken for this kind too, but not offered: images only
    const char *filterName;    // "CSV Files", translated in the context "FileFormats"
    const char *partFilterName = nullptr; // tables: for only what the table view shows
    QByteArray (*writeTable)(const TextTable &table) = nullptr;
    TableRead (*readTable)(const QByteArray &bytes) = nullptr;
    // The patch that turns source into target; may throw std::length_error.
    std::vector<std::uint8_t> (*makePatch)(Bytes source, Bytes target) = nullptr;

    // "CSV Files (*.csv)", or "CSV, only what the table shows (*.csv)".
    QString filter(bool onlyPart = false) const;
    // "*.smc *.sfc", or joined by another separator.
    QString patterns(const QString &separator = QStringLiteral(" ")) const;
    // Whether path names a file of this format by its extension.
    bool names(const QString &path) const;
    // path, with the format's extension when it has none.
    QString withExtension(const QString &path) const;
};

// Every format, in the order the dialogs and the command line offer them:
// csv, json, ips, bps, then the cartridge image.
const std::vector<FileFormat> &FileFormats();
// The format of a key the program names itself, such as "bps"; throws
// std::out_of_range for a key of none.
const FileFormat &FormatNamed(QStringView key);

// The formats of some kinds, in that order: what one dialog or command offers.
class FormatHelper
{
public:
    FormatHelper(std::initializer_list<FormatKind> kinds);

    std::vector<const FileFormat *> formats() const { return formats_; }
    // The first, taken where nothing else decides.
    const FileFormat &fallback() const { return *formats_.front(); }
    // "CSV Files (*.csv);;JSON Files (*.json)"; images end with "All Files (*)".
    // withParts adds the filters for only what the table view shows.
    QString filter(bool withParts = false) const;
    // "csv|json"; "csv, json" with that separator.
    QString keys(const QString &separator = QStringLiteral("|")) const;

    // Nothing where none of the formats fits.
    const FileFormat *byKey(const QString &key) const; // any case
    const FileFormat *byPath(const QString &path) const; // by extension
    // The same, or the fallback for a name of none of them.
    const FileFormat &ofPath(const QString &path) const;
    const FileFormat *byFilter(const QString &filter) const; // as a dialog gives it
    // Whether a filter a dialog gives is one for only what the table view shows.
    bool isPartFilter(const QString &filter) const;

private:
    std::vector<const FileFormat *> formats_;
};

} // namespace mobwright

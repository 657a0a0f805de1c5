#include "JournalFolder.h"

#include "JournalFormat.h"
#include "RomError.h"
#include "RomFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <ranges>

namespace mobwright {
namespace {

const QString JOURNAL_SUFFIX = QStringLiteral(".journal");

JournalImage ImageOf(const RomFile &rom)
{
    const QString path = QFileInfo(QFile::decodeName(rom.path().c_str())).canonicalFilePath();
    const std::string canonical = QFile::encodeName(path).toStdString();
    return {canonical, IdentityAt(canonical).value_or(FileIdentity{}), rom.openedSize()};
}

// Whether the image holds what the journal's last whole write left, or its
// original table where it has none.
bool HoldsLastWrite(const JournalContent &content, RomFile &rom)
{
    const auto written = std::ranges::find(content.entries | std::views::reverse,
                                           EntryMark::Written, &JournalEntry::mark);
    std::vector<JournalSpan> spans;
    if (written != content.entries.rend())
        spans = written->spans;
    else if (content.original)
        spans = {{content.original->offset, {}, content.original->bytes}};
    try {
        for (const JournalSpan &span : spans) {
            std::vector<std::uint8_t> now(span.after.size());
            rom.read(std::uint32_t(span.offset), now);
            if (now != span.after)
                return false;
        }
    } catch (const RomError &) {
        return false; // a span past its end: another image's journal
    }
    return !spans.empty();
}

} // namespace

JournalFolder::JournalFolder(QString path)
    : path_(std::move(path))
{
}

QString JournalFolder::DefaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/journals");
}

qint64 JournalFolder::totalSize() const
{
    qint64 size = 0;
    for (const QFileInfo &file : QDir(path_).entryInfoList({u'*' + JOURNAL_SUFFIX}, QDir::Files))
        size += file.size();
    return size;
}

QString JournalFolder::fileFor(const std::string &imagePath) const
{
    const QByteArray hash =
        QCryptographicHash::hash(QByteArray::fromStdString(imagePath), QCryptographicHash::Sha256);
    return path_ + u'/' + QString::fromLatin1(hash.toHex().left(32)) + JOURNAL_SUFFIX;
}

JournalFolder::Lookup JournalFolder::journalFor(RomFile &rom, qint64 cap) const
{
    const JournalImage image = ImageOf(rom);
    const QString own = fileFor(image.path);
    try {
        auto journal = std::make_unique<Journal>(std::make_unique<JournalFile>(own), image, cap);
        if (journal->size() > 0) {
            const JournalImage was = journal->recorded();
            return {std::move(journal),
                    was.identity == image.identity ? Found::Same : Found::Replaced, was.path};
        }
    } catch (const JournalError &error) {
        throw JournalError("Cannot use the journal " + own.toStdString() + ": " + error.what());
    }
    // Newest first: of two journals that fit, the one written last carries on.
    for (const QFileInfo &file :
         QDir(path_).entryInfoList({u'*' + JOURNAL_SUFFIX}, QDir::Files, QDir::Time)) {
        DecodedJournal other;
        try {
            other = DecodeJournal(JournalFile(file.filePath()).read().value_or(QByteArray()));
        } catch (const JournalError &) {
            continue; // not this image's to read
        }
        const JournalImage was = other.content.image;
        const std::optional<FileIdentity> there = IdentityAt(was.path);
        const bool moved = was.identity == image.identity && there != image.identity;
        if (!moved && (was.size != image.size || !HoldsLastWrite(other.content, rom)))
            continue;
        const bool copied = !moved && there == was.identity;
        auto storage = std::make_unique<JournalFile>(own, copied ? QString() : file.filePath());
        return {std::make_unique<Journal>(std::move(storage), image, std::move(other.content), cap),
                copied ? Found::Copied : Found::Moved, was.path};
    }
    return {
        std::make_unique<Journal>(std::make_unique<JournalFile>(own), image, cap), Found::New, {}};
}

} // namespace mobwright

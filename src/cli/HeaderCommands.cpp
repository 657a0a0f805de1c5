#include "Commands.h"

#include "FileHandle.h"
#include "ImageInfo.h"
#include "ImageSession.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace mobwright {
namespace {

// This file's texts, as translators see them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(HeaderCommands)
};

// info writes text, not a file: its formats are its own.
const QString TEXT = QStringLiteral("text");
const QString JSON = QStringLiteral("json");

// Writes the checksum through the editor's one write path, with the image
// locked as the window locks it. Refuses, with nothing written, an image
// another editor holds and one whose header cannot be trusted.
int FixChecksum(const std::string &path, const Console &io)
{
    const QString nothing = Text::tr("Nothing was written.");
    if (IsLockedByAnEditor(path))
        return io.fail(EXIT_REFUSED,
                       Text::tr("\"%1\" is open in an editor, which holds it locked: close it "
                                "there first. %2")
                           .arg(QString::fromStdString(path), nothing));
    ImageSession session;
    session.open(path);
    const auto before = FactsOfOpen(session);
    if (const auto *refusal = std::get_if<QString>(&before))
        return io.fail(EXIT_REFUSED, *refusal + u' ' + nothing);
    const WriteOutcome outcome = session.fixChecksum();
    if (outcome.kind == WriteOutcome::Kind::Nothing) {
        io.say(Text::tr("Checksum %1; nothing to write.")
                   .arg(ChecksumText(std::get<ImageFacts>(before))));
        return EXIT_DONE;
    }
    if (outcome.kind != WriteOutcome::Kind::Written)
        return io.fail(EXIT_FILE_FAILED, QString::fromStdString(outcome.message()));
    // Read back, so that what is told is what the file now holds.
    const auto after = FactsOfOpen(session);
    if (const auto *refusal = std::get_if<QString>(&after))
        return io.fail(EXIT_FILE_FAILED, *refusal);
    io.say(Text::tr("Checksum fixed, written and synced: %1.")
               .arg(ChecksumText(std::get<ImageFacts>(after))));
    return EXIT_DONE;
}

} // namespace

// info and checksum refuse an image whose internal header cannot be trusted.
int RunInfo(const QCommandLineParser &parser, const QStringList &words, const Console &io)
{
    const QString &image = words[0];
    if (const auto refused = RefuseUnfinishedAt(image, io))
        return *refused;
    const QString format = parser.value(FORMAT).isEmpty() ? TEXT : parser.value(FORMAT).toLower();
    if (format != TEXT && format != JSON)
        return UnknownFormat(parser, TEXT + QStringLiteral(", ") + JSON, io);
    const auto read = ReadImageFacts(FileName(image));
    if (const auto *refusal = std::get_if<QString>(&read))
        return io.fail(EXIT_REFUSED, *refusal);
    const ImageFacts &facts = std::get<ImageFacts>(read);
    io.say(format == JSON ? QString::fromUtf8(ImageInfoJson(facts)).trimmed()
                          : ImageInfoText(facts));
    return EXIT_DONE;
}

// A checksum that does not match ends with status 1, as a refusal does.
int RunChecksum(const QCommandLineParser &parser, const QStringList &words, const Console &io)
{
    const QString &image = words[0];
    if (const auto refused = RefuseUnfinishedAt(image, io))
        return *refused;
    if (parser.isSet(FIX))
        return FixChecksum(FileName(image), io);
    const auto read = ReadImageFacts(FileName(image));
    if (const auto *refusal = std::get_if<QString>(&read))
        return io.fail(EXIT_REFUSED, *refusal);
    const ImageFacts &facts = std::get<ImageFacts>(read);
    io.say(Text::tr("Checksum %1.").arg(ChecksumText(facts)));
    return facts.checksumMatches() ? EXIT_DONE : EXIT_REFUSED;
}

} // namespace mobwright

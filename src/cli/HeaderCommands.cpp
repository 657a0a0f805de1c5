#include "HeaderCommands.h"

#include "CommandLine.h"
#include "FileHandle.h"
#include "ImageInfo.h"
#include "ImageSession.h"

#include <QCoreApplication>

namespace mobwright {
namespace {

// This file's texts, as translators see them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(HeaderCommands)
};

// The facts of the image the session has open.
std::variant<ImageFacts, QString> FactsOfOpen(ImageSession &session)
{
    return FactsOf(session.readImage(), session.rom().kind(), session.rom().path());
}

} // namespace

CommandReport ImageInfoReport(const std::string &path, bool json)
{
    const auto read = ReadImageFacts(path);
    if (const auto *refusal = std::get_if<QString>(&read))
        return {EXIT_REFUSED, {}, *refusal};
    const ImageFacts &facts = std::get<ImageFacts>(read);
    return {EXIT_DONE,
            {json ? QString::fromUtf8(ImageInfoJson(facts)).trimmed() : ImageInfoText(facts)},
            {}};
}

// A checksum that does not match ends with status 1, as a refusal does.
CommandReport ChecksumReport(const std::string &path)
{
    const auto read = ReadImageFacts(path);
    if (const auto *refusal = std::get_if<QString>(&read))
        return {EXIT_REFUSED, {}, *refusal};
    const ImageFacts &facts = std::get<ImageFacts>(read);
    return {facts.checksumMatches() ? EXIT_DONE : EXIT_REFUSED,
            {Text::tr("Checksum %1.").arg(ChecksumText(facts))},
            {}};
}

CommandReport FixChecksumReport(const std::string &path)
{
    const QString nothing = Text::tr("Nothing was written.");
    if (IsLockedByAnEditor(path))
        return {EXIT_REFUSED,
                {},
                Text::tr("\"%1\" is open in an editor, which holds it locked: close it there "
                         "first. %2")
                    .arg(QString::fromStdString(path), nothing)};
    ImageSession session;
    session.open(path);
    const auto before = FactsOfOpen(session);
    if (const auto *refusal = std::get_if<QString>(&before))
        return {EXIT_REFUSED, {}, *refusal + u' ' + nothing};
    const WriteOutcome outcome = session.fixChecksum();
    if (outcome.kind == WriteOutcome::Kind::Nothing)
        return {EXIT_DONE,
                {Text::tr("Checksum %1; nothing to write.")
                     .arg(ChecksumText(std::get<ImageFacts>(before)))},
                {}};
    if (outcome.kind != WriteOutcome::Kind::Written)
        return {EXIT_FILE_FAILED, {}, QString::fromStdString(outcome.message())};
    // Read back, so that what is told is what the file now holds.
    const auto after = FactsOfOpen(session);
    if (const auto *refusal = std::get_if<QString>(&after))
        return {EXIT_FILE_FAILED, {}, *refusal};
    return {EXIT_DONE,
            {Text::tr("Checksum fixed, written and synced: %1.")
                 .arg(ChecksumText(std::get<ImageFacts>(after)))},
            {}};
}

} // namespace mobwright

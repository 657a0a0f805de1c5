#include "Commands.h"

#include "Counted.h"
#include "ImageDiff.h"
#include "ImagePatch.h"
#include "ImageSession.h"
#include "ImportPlan.h"
#include "RecordStore.h"
#include "TableExport.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <stdexcept>

namespace mobwright {
namespace {

// This file's texts, as translators see them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// The format --format names, else the one the file's extension names, else
// the first; nothing for a --format that names none of them.
const FileFormat *FormatFor(const QCommandLineParser &parser, const QString &file,
                            const FormatHelper &formats)
{
    if (!parser.value(FORMAT).isEmpty())
        return formats.byKey(parser.value(FORMAT));
    const FileFormat *named = formats.byPath(file);
    return named ? named : &formats.fallback();
}

int UnknownFormat(const QCommandLineParser &parser, const FormatHelper &formats, const Console &io)
{
    return UnknownFormat(parser, formats.keys(QStringLiteral(", ")), io);
}

} // namespace

int UnknownFormat(const QCommandLineParser &parser, const QString &keys, const Console &io)
{
    return io.fail(EXIT_REFUSED,
                   Text::tr("Unknown format \"%1\": use %2.").arg(parser.value(FORMAT), keys));
}

int RunExport(const QCommandLineParser &parser, const QStringList &words, const Console &io)
{
    const QString &image = words[0];
    const QString output = parser.value(OUTPUT);
    const FileFormat *format = FormatFor(parser, output, TABLES);
    if (!format)
        return UnknownFormat(parser, TABLES, io);
    ImageSession session;
    io.readLabels(session);
    io.journalAsChosen(session);
    session.openReadOnly(FileName(image));
    if (const auto refused = RefuseUnfinished(session, io))
        return *refused;
    const QByteArray bytes =
        format->writeTable(ExportTable(EnemyTable(session.storedRecords(), &session.labels())));
    return io.deliver(output, bytes, {&session.rom()});
}

namespace {

// Refusals to standard error, the changes to standard output; writes unless a dry run.
int ImportInto(ImageSession &session, PlannedImport planned, const QCommandLineParser &parser,
               const Console &io)
{
    if (const auto *unreadable = std::get_if<UnreadableFile>(&planned))
        return io.fail(EXIT_FILE_FAILED, unreadable->message);
    if (const auto *refusals = std::get_if<RefusalList>(&planned)) {
        for (const QString &line : RefusalLines(*refusals))
            io.warn(line);
        return io.fail(EXIT_REFUSED, Text::tr("Nothing was written."));
    }
    const ImportPlan &plan = std::get<ImportPlan>(planned);
    for (const QString &line : DescribeChanges(plan))
        io.say(line);
    if (plan.records.empty()) {
        io.say(Text::tr("The image already holds this table: nothing to write."));
        return EXIT_DONE;
    }
    if (plan.unlistedCount() > 0 && !parser.isSet(ALLOW_UNLISTED))
        return io.fail(
            EXIT_REFUSED,
            UnlistedRefusal(
                plan, Text::tr("import with --%1 to write them as they are").arg(ALLOW_UNLISTED)) +
                u' ' + Text::tr("Nothing was written."));
    const QString enemies = Counted(qsizetype(plan.records.size()), Noun::Enemy);
    if (parser.isSet(DRY_RUN)) {
        io.say(Text::tr("Dry run: %1 would change; nothing was written.").arg(enemies));
        return EXIT_DONE;
    }
    const HeldSignals held;
    const WriteOutcome outcome = session.writeChanges(plan.records, Text::tr("Import"));
    if (outcome.kind != WriteOutcome::Kind::Written)
        return io.fail(EXIT_FILE_FAILED, QString::fromStdString(outcome.message()));
    io.say(Text::tr("%1 written and synced.").arg(enemies));
    return EXIT_DONE;
}

} // namespace

int RunImport(const QCommandLineParser &parser, const QStringList &words, const Console &io)
{
    const QString &image = words[0];
    const QString &table = words[1];
    const FileFormat *format = FormatFor(parser, table, TABLES);
    if (!format)
        return UnknownFormat(parser, TABLES, io);
    const bool dryRun = parser.isSet(DRY_RUN);
    ImageSession session;
    io.readLabels(session);
    io.journalAsChosen(session);
    // A dry run only reads, so it needs neither write permission nor the lock.
    if (dryRun)
        session.openReadOnly(FileName(image));
    else
        session.open(FileName(image));
    if (const auto refused = RefuseUnfinished(session, io))
        return *refused;
    const EnemyTable stored(session.storedRecords(), &session.labels());
    PlannedImport planned =
        table == STANDARD_STREAM
            ? PlanImportFrom(io.in(), Text::tr("standard input"), *format, stored)
            : PlanImportOfFile(table, *format, stored);
    return ImportInto(session, std::move(planned), parser, io);
}

int RunDiff(const QCommandLineParser &parser, const QStringList &words, const Console &io)
{
    for (const QString &image : words)
        if (const auto refused = RefuseUnfinishedAt(image, io))
            return *refused;
    const QString &baselinePath = words[0];
    const QString &imagePath = words[1];
    const QString output = parser.value(OUTPUT);
    const FileFormat *format = FormatFor(parser, output, DIFFERENCES);
    if (!format)
        return UnknownFormat(parser, DIFFERENCES, io);
    RomFile baseline = RomFile::open(FileName(baselinePath), OpenReadOnlyFile);
    RomFile image = RomFile::open(FileName(imagePath), OpenReadOnlyFile);
    QByteArray bytes;
    if (format->kind == FormatKind::Table) {
        bytes = format->writeTable(DifferenceTable(ReadAllRecords(baseline), ReadAllRecords(image)));
    } else {
        try {
            const auto patch =
                MakeImagePatch(*format, baseline.readAll(), image.readAll(),
                               parser.isSet(HEADERLESS) ? ImageKind::Headerless : image.kind());
            bytes = QByteArray(reinterpret_cast<const char *>(patch.data()),
                               static_cast<qsizetype>(patch.size()));
        } catch (const std::logic_error &error) {
            return io.fail(EXIT_REFUSED, QString::fromStdString(error.what()));
        }
    }
    return io.deliver(output, bytes, {&baseline, &image});
}

} // namespace mobwright

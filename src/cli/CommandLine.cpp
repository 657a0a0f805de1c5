#include "CommandLine.h"

#include "ImageDiff.h"
#include "HeaderCommands.h"
#include "ImagePatch.h"
#include "ImageSession.h"
#include "Counted.h"
#include "FileFormats.h"
#include "ImportPlan.h"
#include "LabelFolder.h"
#include "OutputFile.h"
#include "RecordStore.h"
#include "RomError.h"
#include "TableExport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <map>
#include <stdexcept>

namespace mobwright {
namespace {

// This file's texts, as translators see them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

const QString EXPORT = QStringLiteral("export");
const QString IMPORT = QStringLiteral("import");
const QString DIFF = QStringLiteral("diff");
const QString INFO = QStringLiteral("info");
const QString CHECKSUM = QStringLiteral("checksum");
// A file name that stands for standard input or output.
const QString STANDARD_STREAM = QStringLiteral("-");

const QString OUTPUT = QStringLiteral("output");
const QString FORMAT = QStringLiteral("format");
const QString DRY_RUN = QStringLiteral("dry-run");
const QString ALLOW_UNLISTED = QStringLiteral("allow-unlisted");
const QString HEADERLESS = QStringLiteral("headerless");
const QString FIX = QStringLiteral("fix");

// The formats each command reads or writes; the first is taken where neither
// --format nor the file's extension names one.
const FormatHelper TABLES({FormatKind::Table});
const FormatHelper DIFFERENCES({FormatKind::Table, FormatKind::Patch});
// info writes text, not a file: its formats are its own.
const QString TEXT = QStringLiteral("text");
const QString JSON = QStringLiteral("json");

QString Usage(const QString &program)
{
    return QStringLiteral("  %1 export IMAGE [-o FILE] [--format %2]\n"
                          "  %1 import IMAGE FILE [--format %2] [--dry-run] [--allow-unlisted]\n"
                          "  %1 diff BASELINE IMAGE [-o FILE] [--format %3] [--headerless]\n"
                          "  %1 info IMAGE [--format text|json]\n"
                          "  %1 checksum IMAGE [--fix]\n"
                          "  %1 [IMAGE]")
        .arg(program, TABLES.keys(), DIFFERENCES.keys());
}

// The options each command takes; any other is refused rather than ignored.
const std::map<QString, QStringList> COMMAND_OPTIONS = {
    {EXPORT, {OUTPUT, FORMAT}},
    {IMPORT, {FORMAT, DRY_RUN, ALLOW_UNLISTED}},
    {DIFF, {OUTPUT, FORMAT, HEADERLESS}},
    {INFO, {FORMAT}},
    {CHECKSUM, {FIX}},
};

// Qt's own options, which the window takes before the image: those followed
// by a value, then those without one.
const QStringList QT_VALUE_OPTIONS = {"platform",    "platformpluginpath", "platformtheme",
                                      "plugin",      "qmljsdebugger",      "session",
                                      "display",     "geometry",           "style",
                                      "stylesheet",  "qwindowgeometry",    "qwindowicon",
                                      "qwindowtitle"};
const QStringList QT_FLAG_OPTIONS = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

QStringList WithoutQtOptions(const QStringList &arguments)
{
    qsizetype next = 1;
    while (next < arguments.size()) {
        const QString &word = arguments[next];
        if (!word.startsWith(u'-') || word == STANDARD_STREAM || word == u"--")
            break;
        const QString name = word.mid(word.startsWith(u"--") ? 2 : 1).section(u'=', 0, 0);
        if (QT_VALUE_OPTIONS.contains(name))
            next += word.contains(u'=') ? 1 : 2;
        else if (QT_FLAG_OPTIONS.contains(name))
            next += 1;
        else
            break;
    }
    return arguments.mid(0, 1) + arguments.mid(next);
}

class Console
{
public:
    explicit Console(const CommandStreams &streams)
        : streams_(streams)
    {
    }

    QIODevice &in() const { return streams_.in; }
    QIODevice &out() const { return streams_.out; }

    // Each line goes out at once, so that it is there whatever happens next.
    void say(const QString &line) const { Write(streams_.out, line); }
    void warn(const QString &line) const { Write(streams_.err, line); }
    int fail(int status, const QString &line) const
    {
        Write(streams_.err, line);
        return status;
    }

    int report(const CommandReport &report) const
    {
        for (const QString &line : report.out)
            say(line);
        if (!report.err.isEmpty())
            warn(report.err);
        return report.status;
    }

    // The user's label files name the long lists, as in the window.
    void readLabels(ImageSession &session) const
    {
        if (!streams_.labelFolder.isEmpty()) {
            for (const QString &problem : ReadLabelFolder(streams_.labelFolder, session))
                warn(problem);
        }
    }

    // Bytes to the output file, or standard output for none or "-".
    int deliver(const QString &output, const QByteArray &bytes,
                const std::vector<const RomFile *> &images) const
    {
        const auto failure = output.isEmpty() || output == STANDARD_STREAM
                                 ? WriteOutput(streams_.out, bytes, images)
                                 : SaveOutput({output, images}, bytes);
        if (failure)
            return fail(failure->refused ? EXIT_REFUSED : EXIT_FILE_FAILED, failure->message);
        return EXIT_DONE;
    }

private:
    static void Write(QIODevice &device, const QString &line)
    {
        device.write((line + u'\n').toUtf8());
        if (auto *file = qobject_cast<QFileDevice *>(&device))
            file->flush();
    }

    const CommandStreams &streams_;
};

std::string FileName(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

// Holds back the signals that end a process from the keyboard or a closed
// terminal while it lives, so that a write they interrupt still ends whole
// and is told; they take effect when it goes.
class HeldSignals
{
public:
    HeldSignals()
    {
        sigset_t held;
        sigemptyset(&held);
        for (const int signal : {SIGINT, SIGTERM, SIGHUP})
            sigaddset(&held, signal);
        pthread_sigmask(SIG_BLOCK, &held, &before_);
    }
    ~HeldSignals() { pthread_sigmask(SIG_SETMASK, &before_, nullptr); }
    HeldSignals(const HeldSignals &) = delete;
    HeldSignals &operator=(const HeldSignals &) = delete;

private:
    sigset_t before_;
};

void DescribeCommands(QCommandLineParser &parser, const QString &program)
{
    parser.setApplicationDescription(
        Text::tr("Edits the enemy table of an SNES cartridge image. Without a command, opens the "
                 "editor window, with IMAGE if given.\n\n"
                 "Commands:\n%1\n\n"
                 "export: writes every enemy of IMAGE as a table, CSV or JSON.\n"
                 "import: writes into IMAGE the changes that the table FILE makes (\"-\": standard "
                 "input). A refused row refuses the whole file, and nothing is written. With "
                 "--allow-unlisted, importing an export restores every byte it was made from.\n"
                 "diff: what differs from the BASELINE image in IMAGE: a table of each field (CSV "
                 "or JSON), or an IPS or BPS patch that makes IMAGE from BASELINE.\n"
                 "info: the facts of IMAGE's internal header, as text or JSON.\n"
                 "checksum: whether the checksum IMAGE's header stores matches its bytes (exit "
                 "status 0) or not (1); with --fix, writes the one that does, unless an editor "
                 "has IMAGE open.\n\n"
                 "Export, diff, info, checksum without --fix and a dry run only read the images, "
                 "even while the editor has them open. Output goes to standard output without -o "
                 "or with -o -; a file is replaced only once written whole, and never when it is "
                 "a cartridge image "
                 "(by any name or link; one an editor has open, one named *.smc, *.sfc, *.swc or "
                 "*.fig, or one with an image's size and a zero byte) or not a regular file. A "
                 "table file over 16 MiB is refused unread. \"--\" ends the options.\n\n"
                 "Exit status: 0 done, 1 input refused (or a checksum that does not match), 2 a "
                 "file could not be opened, read or written.")
            .arg(Usage(program)));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({{QStringLiteral("o"), OUTPUT},
                      Text::tr("export, diff: the file to write; \"-\" or none for "
                               "standard output."),
                      Text::tr("FILE")});
    parser.addOption({FORMAT,
                      Text::tr("export, import: csv or json; diff: csv, json (a table of the "
                               "differences), ips or bps (a patch). By default that of the file's "
                               "extension, else csv. info: text (the default) or json."),
                      QStringLiteral("format")});
    parser.addOption({DRY_RUN, Text::tr("import: list the changes, write nothing.")});
    parser.addOption({ALLOW_UNLISTED,
                      Text::tr("import: also write values that no list names, such as a flag of 2 "
                               "or an action past the list, as an export of such records holds "
                               "them; without it they are refused.")});
    parser.addOption({HEADERLESS, Text::tr("diff: make the patch between both images without their "
                                           "copier headers, for the image without one.")});
    parser.addOption({FIX, Text::tr("checksum: write the checksum the image's bytes sum to.")});
    parser.addPositionalArgument(QStringLiteral("command"),
                                 Text::tr("export, import, diff, info or checksum"),
                                 Text::tr("[command]"));
    const FileFormat &image = FormatHelper({FormatKind::Image}).fallback();
    parser.addPositionalArgument(Text::tr("IMAGE"), Text::tr("The cartridge image (%1).")
                                                        .arg(image.patterns(QStringLiteral(", "))));
}

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

int UnknownFormat(const QCommandLineParser &parser, const QString &keys, const Console &io)
{
    return io.fail(EXIT_REFUSED,
                   Text::tr("Unknown format \"%1\": use %2.").arg(parser.value(FORMAT), keys));
}

int UnknownFormat(const QCommandLineParser &parser, const FormatHelper &formats, const Console &io)
{
    return UnknownFormat(parser, formats.keys(QStringLiteral(", ")), io);
}

int Export(const QCommandLineParser &parser, const QString &image, const Console &io)
{
    const QString output = parser.value(OUTPUT);
    const FileFormat *format = FormatFor(parser, output, TABLES);
    if (!format)
        return UnknownFormat(parser, TABLES, io);
    ImageSession session;
    io.readLabels(session);
    session.openReadOnly(FileName(image));
    const QByteArray bytes =
        format->writeTable(ExportTable(EnemyTable(session.storedRecords(), &session.labels())));
    return io.deliver(output, bytes, {&session.rom()});
}

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

int Import(const QCommandLineParser &parser, const QString &image, const QString &table,
           const Console &io)
{
    const FileFormat *format = FormatFor(parser, table, TABLES);
    if (!format)
        return UnknownFormat(parser, TABLES, io);
    const bool dryRun = parser.isSet(DRY_RUN);
    ImageSession session;
    io.readLabels(session);
    // A dry run only reads, so it needs neither write permission nor the lock.
    if (dryRun)
        session.openReadOnly(FileName(image));
    else
        session.open(FileName(image));
    const EnemyTable stored(session.storedRecords(), &session.labels());
    PlannedImport planned =
        table == STANDARD_STREAM
            ? PlanImportFrom(io.in(), Text::tr("standard input"), *format, stored)
            : PlanImportOfFile(table, *format, stored);
    return ImportInto(session, std::move(planned), parser, io);
}

int Diff(const QCommandLineParser &parser, const QString &baselinePath, const QString &imagePath,
         const Console &io)
{
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

// info and checksum refuse an image whose internal header cannot be trusted.
int Info(const QCommandLineParser &parser, const QString &image, const Console &io)
{
    const QString format = parser.value(FORMAT).isEmpty() ? TEXT : parser.value(FORMAT).toLower();
    if (format != TEXT && format != JSON)
        return UnknownFormat(parser, TEXT + QStringLiteral(", ") + JSON, io);
    return io.report(ImageInfoReport(FileName(image), format == JSON));
}

int Checksum(const QCommandLineParser &parser, const QString &image, const Console &io)
{
    if (!parser.isSet(FIX))
        return io.report(ChecksumReport(FileName(image)));
    const HeldSignals held;
    return io.report(FixChecksumReport(FileName(image)));
}

// An option given to a command that does not take it, such as --dry-run to export.
std::optional<QString> MisplacedOption(const QCommandLineParser &parser, const QString &command)
{
    const QStringList &taken = COMMAND_OPTIONS.at(command);
    for (const QString &option : {OUTPUT, FORMAT, DRY_RUN, ALLOW_UNLISTED, HEADERLESS, FIX}) {
        if (parser.isSet(option) && !taken.contains(option))
            return Text::tr("--%1 is not an option of %2; see --help.").arg(option, command);
    }
    return std::nullopt;
}

int RunCommand(const QCommandLineParser &parser, const QStringList &words, const Console &io)
{
    const QString &command = words[0];
    if (const auto misplaced = MisplacedOption(parser, command))
        return io.fail(EXIT_REFUSED, *misplaced);
    try {
        if (command == EXPORT)
            return Export(parser, words[1], io);
        if (command == IMPORT)
            return Import(parser, words[1], words[2], io);
        if (command == INFO)
            return Info(parser, words[1], io);
        if (command == CHECKSUM)
            return Checksum(parser, words[1], io);
        return Diff(parser, words[1], words[2], io);
    } catch (const RomError &error) {
        return io.fail(EXIT_FILE_FAILED, QString::fromStdString(error.what()));
    }
}

} // namespace

bool WantsCommandLine(const QStringList &arguments)
{
    const QString first = WithoutQtOptions(arguments).value(1);
    return COMMAND_OPTIONS.contains(first) || (first.startsWith(u'-') && first != u"--");
}

int RunCommandLine(const QStringList &arguments, const CommandStreams &streams)
{
    const Console io(streams);
    QCommandLineParser parser;
    const QString program = QFileInfo(arguments.value(0)).fileName();
    DescribeCommands(parser, program);
    if (!parser.parse(WithoutQtOptions(arguments)))
        return io.fail(EXIT_REFUSED,
                       parser.errorText() + QStringLiteral("\n\n") + parser.helpText());
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        io.say(parser.helpText());
        return EXIT_DONE;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        io.say(QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion());
        return EXIT_DONE;
    }
    const QStringList words = parser.positionalArguments();
    const QString command = words.value(0);
    const qsizetype wordsNeeded = command == IMPORT || command == DIFF ? 3 : 2;
    if (COMMAND_OPTIONS.contains(command) && words.size() == wordsNeeded)
        return RunCommand(parser, words, io);
    return io.fail(EXIT_REFUSED, Text::tr("Usage:\n%1\nSee --help.").arg(Usage(program)));
}

} // namespace mobwright

#include "CommandLine.h"

#include "Commands.h"
#include "JournalFolder.h"
#include "RomError.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <map>

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
const QString RECOVER = QStringLiteral("recover");
const QString HISTORY = QStringLiteral("history");
const QString REVERT = QStringLiteral("revert");
QString Usage(const QString &program)
{
    return QStringLiteral("  %1 export IMAGE [-o FILE] [--format %2]\n"
                          "  %1 import IMAGE FILE [--format %2] [--dry-run] [--allow-unlisted]\n"
                          "  %1 diff BASELINE IMAGE [-o FILE] [--format %3] [--headerless]\n"
                          "  %1 info IMAGE [--format text|json]\n"
                          "  %1 checksum IMAGE [--fix]\n"
                          "  %1 recover IMAGE [--finish|--roll-back]\n"
                          "  %1 history IMAGE\n"
                          "  %1 revert IMAGE --to-original|--to N\n"
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
    {RECOVER, {FINISH, ROLL_BACK}},
    {HISTORY, {}},
    {REVERT, {TO_ORIGINAL, TO}},
};

using Command = int (*)(const QCommandLineParser &, const QStringList &, const Console &);
const std::map<QString, Command> COMMANDS = {
    {EXPORT, RunExport},   {IMPORT, RunImport},   {DIFF, RunDiff},
    {INFO, RunInfo},       {CHECKSUM, RunChecksum}, {RECOVER, RunRecover},
    {HISTORY, RunHistory}, {REVERT, RunRevert},
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
                 "has IMAGE open.\n"
                 "recover: what IMAGE holds of a journaled write that was not finished (the "
                 "editor was stopped, or the machine lost power), and, with --finish or "
                 "--roll-back, settles it; exit status 1 while one is unfinished. Every other "
                 "command refuses such an image.\n"
                 "history: the writes journaled into IMAGE: number, time, step and enemies.\n"
                 "revert: takes IMAGE's enemy table back to its original (--to-original) or to "
                 "where write N left it (--to N), in one journaled write.\n\n"
                 "Every write is journaled first in the user's data folder (%2), unless the "
                 "journal is turned off in the window.\n\n"
                 "Export, diff, info, checksum without --fix and a dry run only read the images, "
                 "even while the editor has them open. Output goes to standard output without -o or with -o -; a "
                 "file is replaced only once written whole, and never when it is a cartridge image "
                 "(by any name or link; one an editor has open, one named *.smc, *.sfc, *.swc or "
                 "*.fig, or one with an image's size and a zero byte) or not a regular file. A "
                 "table file over 16 MiB is refused unread. \"--\" ends the options.\n\n"
                 "Exit status: 0 done, 1 input refused (or a checksum that does not match), 2 a "
                 "file could not be opened, read or written.")
            .arg(Usage(program), QDir::toNativeSeparators(JournalFolder::DefaultPath())));
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
    parser.addOption({FINISH, Text::tr("recover: write what the unfinished write did not.")});
    parser.addOption({ROLL_BACK, Text::tr("recover: put back what it wrote.")});
    parser.addOption({TO_ORIGINAL, Text::tr("revert: to the table before the first write.")});
    parser.addOption({TO, Text::tr("revert: to where write N left the table."), Text::tr("N")});
    parser.addPositionalArgument(QStringLiteral("command"),
                                 Text::tr("export, import, diff, info, checksum, recover, history "
                                          "or revert"),
                                 Text::tr("[command]"));
    const FileFormat &image = FormatHelper({FormatKind::Image}).fallback();
    parser.addPositionalArgument(Text::tr("IMAGE"), Text::tr("The cartridge image (%1).")
                                                        .arg(image.patterns(QStringLiteral(", "))));
}

// An option given to a command that does not take it, such as --dry-run to export.
std::optional<QString> MisplacedOption(const QCommandLineParser &parser, const QString &command)
{
    const QStringList &taken = COMMAND_OPTIONS.at(command);
    for (const QString &option :
         {OUTPUT, FORMAT, DRY_RUN, ALLOW_UNLISTED, HEADERLESS, FIX, FINISH, ROLL_BACK, TO_ORIGINAL,
          TO}) {
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
        return COMMANDS.at(command)(parser, words.mid(1), io);
    } catch (const RomError &error) {
        return io.fail(EXIT_FILE_FAILED, QString::fromStdString(error.what()));
    } catch (const JournalError &error) { // a journal that cannot be read, or no such write
        return io.fail(EXIT_REFUSED, QString::fromStdString(error.what()));
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

#include "CommandLine.h"

#include "ImportPlan.h"
#include "RecordStore.h"
#include "RomError.h"
#include "RomFile.h"
#include "TableExport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

namespace mobwright {
namespace {

const QString EXPORT = QStringLiteral("export");
const QString IMPORT = QStringLiteral("import");

struct Streams
{
    QIODevice &out;
    QIODevice &err;

    void say(const QString &line) const { out.write((line + u'\n').toUtf8()); }
    int fail(int status, const QString &line) const
    {
        err.write((line + u'\n').toUtf8());
        return status;
    }
};

// The whole table, its long lists named from the image as the window names them.
EnemyTable ReadTable(RomFile &rom, ListLabels &names)
{
    names.readImage(rom);
    EnemyTable table(ReadAllRecords(rom));
    table.longLabels = &names;
    return table;
}

void DescribeCommands(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Edits the enemy table of an SNES cartridge image. Without a command, opens the editor "
        "window.\n\n"
        "Commands:\n"
        "  export IMAGE [-o FILE] [--format csv|json]   write every enemy as a table\n"
        "  import IMAGE FILE [--dry-run]                 write a table's changes into IMAGE\n\n"
        "Exit status: 0 done, 1 input refused, 2 a file could not be opened, read or written."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                      QStringLiteral("export: the file to write; standard output if not given."),
                      QStringLiteral("FILE")});
    parser.addOption(
        {QStringLiteral("format"),
         QStringLiteral(
             "export: csv or json; by default that of the output file's extension, else csv."),
         QStringLiteral("csv|json")});
    parser.addOption(
        {QStringLiteral("dry-run"), QStringLiteral("import: list the changes, write nothing.")});
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("export or import"),
                                 QStringLiteral("[command]"));
    parser.addPositionalArgument(QStringLiteral("IMAGE"),
                                 QStringLiteral("The cartridge image (*.smc)."));
}

int Export(const QCommandLineParser &parser, const QString &image, const Streams &io)
{
    const QString output = parser.value(QStringLiteral("output"));
    QString format = parser.value(QStringLiteral("format")).toLower();
    if (format.isEmpty())
        format = FormatOfPath(output) == TableFormat::Json ? QStringLiteral("json")
                                                           : QStringLiteral("csv");
    if (format != u"csv" && format != u"json")
        return io.fail(EXIT_REFUSED,
                       QStringLiteral("Unknown format \"%1\": use csv or json.").arg(format));

    const TableFormat tableFormat = format == u"json" ? TableFormat::Json : TableFormat::Csv;
    TextTable table;
    try {
        RomFile rom = RomFile::Open(QFile::encodeName(image).toStdString());
        ListLabels names;
        table = ExportTable(ReadTable(rom, names));
    } catch (const RomError &error) {
        return io.fail(EXIT_FILE_FAILED, QString::fromStdString(error.what()));
    }
    if (output.isEmpty()) {
        io.out.write(WriteTable(table, tableFormat));
        return EXIT_DONE;
    }
    if (const auto failure = SaveTable(table, output, tableFormat))
        return io.fail(EXIT_FILE_FAILED, *failure);
    return EXIT_DONE;
}

// Refusals and the changes to standard output; writes unless a dry run.
int ImportInto(RomFile &rom, const QString &tablePath, bool dryRun, const Streams &io)
{
    ListLabels names;
    const auto planned = PlanImportOfFile(tablePath, ReadTable(rom, names));
    if (const auto *refusals = std::get_if<QStringList>(&planned)) {
        for (const QString &refusal : *refusals)
            io.fail(EXIT_REFUSED, refusal);
        return io.fail(EXIT_REFUSED, QStringLiteral("Nothing was written."));
    }
    const ImportPlan &plan = std::get<ImportPlan>(planned);
    for (const QString &line : DescribeChanges(plan))
        io.say(line);
    if (plan.records.empty()) {
        io.say(QStringLiteral("The image already holds this table: nothing to write."));
        return EXIT_DONE;
    }
    if (!dryRun)
        ReplaceRecords(rom, plan.records);
    const QString enemies = plan.records.size() == 1
                                ? QStringLiteral("1 enemy")
                                : QStringLiteral("%1 enemies").arg(plan.records.size());
    io.say(dryRun ? QStringLiteral("Dry run: %1 would change; nothing was written.").arg(enemies)
                  : QStringLiteral("%1 written and synced.").arg(enemies));
    return EXIT_DONE;
}

int Import(const QString &image, const QString &tablePath, bool dryRun, const Streams &io)
{
    try {
        RomFile rom = RomFile::Open(QFile::encodeName(image).toStdString());
        return ImportInto(rom, tablePath, dryRun, io);
    } catch (const RomError &error) {
        return io.fail(EXIT_FILE_FAILED, QString::fromStdString(error.what()));
    }
}

} // namespace

bool WantsCommandLine(const QStringList &arguments)
{
    if (arguments.size() < 2)
        return false;
    const QString &first = arguments.at(1);
    return first == EXPORT || first == IMPORT || first.startsWith(u'-');
}

int RunCommandLine(const QStringList &arguments, QIODevice &out, QIODevice &err)
{
    const Streams io{out, err};
    QCommandLineParser parser;
    DescribeCommands(parser);
    if (!parser.parse(arguments))
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
    if (command == EXPORT && words.size() == 2)
        return Export(parser, words[1], io);
    if (command == IMPORT && words.size() == 3)
        return Import(words[1], words[2], parser.isSet(QStringLiteral("dry-run")), io);
    return io.fail(EXIT_REFUSED,
                   QStringLiteral("Usage:\n  %1 export IMAGE [-o FILE] [--format csv|json]\n"
                                  "  %1 import IMAGE FILE [--dry-run]\n  %1 [IMAGE]\nSee --help.")
                       .arg(QCoreApplication::applicationName()));
}

} // namespace mobwright

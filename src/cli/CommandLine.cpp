#include "CommandLine.h"

#include "ImageSession.h"
#include "ImportPlan.h"
#include "RomError.h"
#include "TableExport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <csignal>

namespace mobwright {
namespace {

const QString EXPORT = QStringLiteral("export");
const QString IMPORT = QStringLiteral("import");

struct Streams
{
    QIODevice &out;
    QIODevice &err;

    // Each line goes out at once, so that it is there whatever happens next.
    void say(const QString &line) const { Write(out, line); }
    int fail(int status, const QString &line) const
    {
        Write(err, line);
        return status;
    }

    static void Write(QIODevice &device, const QString &line)
    {
        device.write((line + u'\n').toUtf8());
        if (auto *file = qobject_cast<QFileDevice *>(&device))
            file->flush();
    }
};

// The whole table as the file holds it, its long lists named from the image
// as the window names them.
EnemyTable StoredTable(const ImageSession &session)
{
    EnemyTable table(session.storedRecords());
    table.longLabels = &session.labels();
    return table;
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
        ImageSession session;
        session.openReadOnly(QFile::encodeName(image).toStdString());
        table = ExportTable(StoredTable(session));
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
int ImportInto(ImageSession &session, const QString &tablePath, bool dryRun, const Streams &io)
{
    const auto planned = PlanImportOfFile(tablePath, StoredTable(session));
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
    const QString enemies = plan.records.size() == 1
                                ? QStringLiteral("1 enemy")
                                : QStringLiteral("%1 enemies").arg(plan.records.size());
    if (dryRun) {
        io.say(QStringLiteral("Dry run: %1 would change; nothing was written.").arg(enemies));
        return EXIT_DONE;
    }
    const HeldSignals held;
    const WriteOutcome outcome = session.writeChanges(plan.records, QStringLiteral("Import"));
    if (outcome.kind != WriteOutcome::Kind::Written)
        return io.fail(EXIT_FILE_FAILED, QString::fromStdString(outcome.message()));
    io.say(QStringLiteral("%1 written and synced.").arg(enemies));
    return EXIT_DONE;
}

int Import(const QString &image, const QString &tablePath, bool dryRun, const Streams &io)
{
    try {
        ImageSession session;
        const std::string fileName = QFile::encodeName(image).toStdString();
        if (dryRun)
            session.openReadOnly(fileName);
        else
            session.open(fileName);
        return ImportInto(session, tablePath, dryRun, io);
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

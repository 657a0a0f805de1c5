// The README's promises that every file written is guarded: never over an
// image by any name or link, nor over a device, FIFO or folder; a label file
// only as a regular file of its own; replaced only once written whole, with
// the system's reason when that fails.
//
// Each file under outputs/ sets up files in a folder of its own, writes one
// output there, through the command line and through the window, and says
// what must follow; a line for each fact:
//   image NAME [SIZE]   a file as a cartridge image is: SIZE (64 KiB) zero bytes
//   text NAME [SIZE]    a text file, of SIZE letters if given
//   fifo NAME / folder NAME / link NAME TARGET / hardlink NAME TARGET
//   locked NAME         an editor holds NAME's lock meanwhile
//   descriptor NAME     NAME is open on a descriptor that programs started
//                       inherit; FD in a target names it in /proc/self/fd
//   full                the folder "full" is a file system with no room left,
//                       holding "kept.csv"
//   export T / patch T  a table / a patch written to T; the window writes it too
//   stdout T            the command line's export, standard output appended to T
//   name FILE           the window's Name This Entry… in the label file FILE
//   refused TEXT / failed TEXT / written   each run's outcome: exit status
//                       1 / 2 / 0, and one line that holds TEXT (ENOSPC: the
//                       system's words for a full disk)
//   kept NAME           NAME is as it was set up: its kind, bytes or link
// IMAGE names the image open; names are in the case's folder unless absolute.
#include "CommandLine.h"
#include "EditorHarness.h"
#include "FileSizeLimit.h"
#include "TableActions.h"
#include "FileHandle.h"
#include "PatchDialog.h"

#include <QProcess>
#include <QTemporaryDir>

#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace mobwright;
using namespace mobwright::test;

namespace {

namespace fs = std::filesystem;

struct Case
{
    QString name;
    QStringList facts;
};

std::vector<Case> Cases()
{
    std::vector<Case> cases;
    const QDir folder(QStringLiteral(OUTPUT_CASES_DIR));
    for (const QFileInfo &file : folder.entryInfoList({QStringLiteral("*.case")})) {
        QFile text(file.filePath());
        text.open(QIODevice::ReadOnly);
        QStringList facts;
        for (const QString &line : QString::fromUtf8(text.readAll()).split(u'\n')) {
            if (!line.isEmpty() && !line.startsWith(u'#'))
                facts.append(line);
        }
        cases.push_back({file.completeBaseName(), facts});
    }
    return cases;
}

// What a file is: its kind, and its bytes or where its link leads.
std::string Snapshot(const QString &path)
{
    std::error_code error;
    const fs::path at = path.toStdString();
    const fs::file_status status = fs::symlink_status(at, error);
    if (fs::is_symlink(status))
        return "link to " + fs::read_symlink(at, error).string();
    QFile file(path);
    if (!fs::is_regular_file(status) || !file.open(QIODevice::ReadOnly))
        return "kind " + std::to_string(static_cast<int>(status.type()));
    return "file " + file.readAll().toStdString();
}

void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Mounts a small file system at folder with the file "kept.csv" in it, and
// fills it; false where the machine allows no mounting.
bool MountFullFileSystem(const QString &folder)
{
    QDir().mkpath(folder);
    const bool mounted =
        ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=16k") == 0;
    WriteBytes(folder + "/kept.csv", "kept\n");
    if (!mounted)
        return false;
    const int fd =
        ::open(QFile::encodeName(folder + "/filler").constData(), O_WRONLY | O_CREAT, 0600);
    const std::vector<char> block(4096, 'x');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    ::close(fd);
    return true;
}

struct Outcome
{
    int status; // the command line's exit status, or what the window's message means
    QString message;
};

Outcome RunCommandLine(const QStringList &arguments, const QString &standardOutput, bool limited)
{
    QProcess process;
    if (!standardOutput.isEmpty())
        process.setStandardOutputFile(standardOutput, QIODevice::Append);
    {
        const FileSizeLimit limit(limited); // inherited by the program started
        process.start(MOBWRIGHT_BINARY, arguments);
        process.waitForStarted();
    }
    process.waitForFinished(30000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError()).trimmed()};
}

void PrintTo(const Case &c, std::ostream *out)
{
    *out << c.name.toStdString();
}

class OutputGuard : public testing::TestWithParam<Case>
{
};

} // namespace

TEST_P(OutputGuard, DoesWhatItsCaseFileSays)
{
    TestImage image;
    TestImage baseline;
    baseline.setRecordBytes(0, 33, {1});
    QTemporaryDir dir;
    const auto at = [&](QString name) {
        name.replace(QStringLiteral("IMAGE"), QString::fromStdString(image.path()));
        return QDir::isAbsolutePath(name) ? name : dir.filePath(name);
    };
    EditorHarness editor;
    editor.window().useLabelFolder(dir.filePath("labels"));
    editor.loadRom(image.path());
    editor.window().session().setBaseline(baseline.path());
    std::vector<std::unique_ptr<FileHandle>> locks;
    int descriptor = -1;
    bool full = false;
    bool mounted = false;
    QString action, target, expected, text;
    std::map<QString, std::string> kept;
    for (const QString &fact : GetParam().facts) {
        const QStringList words = fact.split(u' ');
        const QString &kind = words[0];
        const QString name = at(words.value(1));
        const QString rest = fact.section(u' ', 1);
        if (kind == u"image")
            WriteBytes(name, QByteArray(words.value(2, "65536").toInt(), '\0'));
        else if (kind == u"text")
            WriteBytes(name, words.size() > 2 ? QByteArray(words[2].toInt(), 'x') : "kept\n");
        else if (kind == u"fifo")
            ASSERT_EQ(::mkfifo(QFile::encodeName(name).constData(), 0600), 0);
        else if (kind == u"folder")
            QDir().mkpath(name);
        else if (kind == u"link")
            ASSERT_TRUE(QFile::link(at(words[2]), name));
        else if (kind == u"hardlink")
            fs::create_hard_link(at(words[2]).toStdString(), name.toStdString());
        else if (kind == u"locked")
            locks.push_back(OpenLockedFile(name.toStdString()));
        else if (kind == u"descriptor")
            descriptor = ::open(QFile::encodeName(name).constData(), O_RDONLY);
        else if (kind == u"full")
            full = true, mounted = MountFullFileSystem(dir.filePath("full"));
        else if (kind == u"refused" || kind == u"failed" || kind == u"written")
            expected = kind, text = rest;
        else if (kind == u"kept")
            kept[name] = Snapshot(name);
        else
            action = kind,
            target = rest == u"FD" ? QStringLiteral("/proc/self/fd/%1").arg(descriptor) : name;
    }
    if (text == u"ENOSPC")
        text = QString::fromLocal8Bit(std::strerror(mounted ? ENOSPC : EFBIG));
    const bool limited = full && !mounted;
    editor.takeMessages(); // what reading the label folder told

    const int status = expected == u"written"  ? EXIT_DONE
                       : expected == u"failed" ? EXIT_FILE_FAILED
                                               : EXIT_REFUSED;
    std::vector<Outcome> runs;
    const QString imagePath = QString::fromStdString(image.path());
    if (action == u"export" || action == u"stdout" || action == u"patch") {
        QStringList arguments = {"export", imagePath};
        if (action == u"patch")
            arguments = {"diff", QString::fromStdString(baseline.path()), imagePath, "--format",
                         "bps"};
        if (action != u"stdout")
            arguments += {"-o", target};
        runs.push_back(
            RunCommandLine(arguments, action == u"stdout" ? target : QString(), limited));
    }
    if (action != u"stdout") {
        const FileSizeLimit limit(limited);
        std::optional<QString> message;
        if (action == u"export") {
            editor.find<TableActions>()->exportTableTo(target, FormatNamed(u"csv"));
        } else if (action == u"patch") {
            message = ExportPatch(editor.window().session(), {}, target);
        } else {
            editor.prompter().nextName = "Gym";
            const auto list = std::ranges::find_if(LONG_LISTS, [&](LongList list) {
                return target.endsWith(QString::fromUtf8(LabelFileName(list)));
            });
            editor.window().nameEntry({*list, 1});
        }
        const QString told = message.value_or(editor.takeMessages().join(u'\n'));
        runs.push_back({told.isEmpty() ? EXIT_DONE : status, told});
    }
    for (const Outcome &run : runs) {
        EXPECT_EQ(run.status, status) << run.message.toStdString();
        EXPECT_TRUE(run.message.contains(text) && !run.message.contains(u'\n'))
            << run.message.toStdString();
    }
    for (const auto &[name, before] : kept)
        EXPECT_EQ(Snapshot(name), before) << name.toStdString();
    ::close(descriptor);
    if (mounted)
        ::umount2(QFile::encodeName(dir.filePath("full")).constData(), MNT_DETACH);
}

INSTANTIATE_TEST_SUITE_P(Cases, OutputGuard, testing::ValuesIn(Cases()),
                         [](const auto &info) { return info.param.name.toStdString(); });

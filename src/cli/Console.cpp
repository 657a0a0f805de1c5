#include "Console.h"

#include "ImageSession.h"
#include "LabelFolder.h"
#include "OutputFile.h"

#include <QFile>
#include <QSettings>

namespace mobwright {

std::string FileName(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

void Console::readLabels(ImageSession &session) const
{
    if (!streams_.labelFolder.isEmpty()) {
        for (const QString &problem : ReadLabelFolder(streams_.labelFolder, session))
            warn(problem);
    }
}

void Console::journalAsChosen(ImageSession &session) const
{
    const QSettings settings(QStringLiteral("Mobwright"), QStringLiteral("Mobwright"));
    session.setJournalEnabled(settings.value(JOURNAL_SETTING, true).toBool());
}

int Console::deliver(const QString &output, const QByteArray &bytes,
                     const std::vector<const RomFile *> &images) const
{
    const auto failure = output.isEmpty() || output == STANDARD_STREAM
                             ? WriteOutput(streams_.out, bytes, images)
                             : SaveOutput({output, images}, bytes);
    if (failure)
        return fail(failure->refused ? EXIT_REFUSED : EXIT_FILE_FAILED, failure->message);
    return EXIT_DONE;
}

void Console::Write(QIODevice &device, const QString &line)
{
    device.write((line + u'\n').toUtf8());
    if (auto *file = qobject_cast<QFileDevice *>(&device))
        file->flush();
}

} // namespace mobwright

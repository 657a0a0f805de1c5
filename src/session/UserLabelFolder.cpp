#include "UserLabelFolder.h"

#include "Comparison.h"
#include "ImageSession.h"
#include "LabelFolder.h"
#include "OutputFile.h"
#include "QtText.h"

#include <QDir>
#include <QFileInfo>

namespace mobwright {

UserLabelFolder::UserLabelFolder(ImageSession &session, QString folder, QObject *parent)
    : QObject(parent)
    , session_(session)
    , folder_(std::move(folder))
{
    // Editors save by replacing a file, which ends its watch: every change
    // reads the folder again and watches what is there now.
    const auto changed = [this] {
        readAll();
    };
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, changed);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, changed);
}

void UserLabelFolder::readAll()
{
    const auto before = told_;
    for (const LongList list : LONG_LISTS)
        readList(list);
    watchFiles();
    if (told_ != before) {
        QStringList current;
        for (const auto &[list, problem] : told_)
            current.append(problem);
        emit problems(current);
    }
}

void UserLabelFolder::readList(LongList list)
{
    std::vector<std::string> labels;
    if (!QFileInfo::exists(LabelFilePath(folder_, list))) {
        const LabelList builtIn = BuiltInLabels(list);
        labels.assign(builtIn.begin(), builtIn.end());
        told_.erase(list);
    } else {
        auto read = ReadLabelList(folder_, list);
        if (const auto *refusal = std::get_if<Refusal>(&read)) {
            told_[list] =
                tr("%1: the labels shown stay as they were.").arg(ToQString(refusal->accepted));
            return;
        }
        told_.erase(list);
        labels = std::get<std::vector<std::string>>(std::move(read));
    }
    if (labels != session_.labels().baseLabels(list))
        session_.setBaseLabels(list, std::move(labels));
}

void UserLabelFolder::watchFiles()
{
    if (!watcher_.files().isEmpty())
        watcher_.removePaths(watcher_.files());
    if (watcher_.directories().isEmpty() && QFileInfo(folder_).isDir())
        watcher_.addPath(folder_);
    for (const LongList list : LONG_LISTS) {
        const QString path = LabelFilePath(folder_, list);
        if (QFileInfo(path).isFile())
            watcher_.addPath(path);
    }
}

std::optional<QString> UserLabelFolder::nameEntry(ListEntry entry, const QString &name)
{
    const QString typed = name.trimmed();
    if (typed.contains(u'\n') || typed.contains(u'\r') || typed.contains(u'\t'))
        return tr("A name is one line of text, without tabs.");
    std::vector<std::string> labels = session_.labels().baseLabels(entry.list);
    std::string &label = labels.at(static_cast<std::size_t>(entry.position));
    label = typed.isEmpty()
                ? std::string(BuiltInLabels(entry.list)[static_cast<std::size_t>(entry.position)])
                : RenamedLabel(entry.list, entry.position, label, ToModelText(typed));
    if (const std::string problem = LabelFormProblem(entry.list, entry.position, label); !problem.empty())
        return tr("The name cannot be given: the label %1.").arg(ToQString(problem));

    QByteArray text;
    for (const std::string &line : labels)
        text += QByteArray::fromStdString(line) + '\n';
    if (!QDir().mkpath(folder_))
        return tr("The name was not given: the label folder %1 cannot be made.").arg(folder_);
    if (const auto failure =
            SaveOutput({LabelFilePath(folder_, entry.list), OpenImages(session_), true}, text))
        return tr("The name was not given. %1").arg(failure->message);
    readAll(); // the file written, as the lists take it
    return std::nullopt;
}

} // namespace mobwright

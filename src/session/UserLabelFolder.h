#pragma once

#include "LabelForms.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>

#include <map>
#include <optional>

namespace mobwright {

class ImageSession;

// The user's label folder in use: its files give the session's lists their
// labels, it is watched so that a file edited by hand is taken at once, and
// an entry named in the window is written into it.
class UserLabelFolder : public QObject
{
    Q_OBJECT

public:
    UserLabelFolder(ImageSession &session, QString folder, QObject *parent = nullptr);

    const QString &folder() const { return folder_; }

    // Reads every list's file; a list whose file cannot be used keeps the
    // labels it shows, and the file is told of until it is mended.
    void readAll();

    // Names an entry in its list's file, which is made from the labels in
    // use when there is none yet, keeping the list's form and count; every
    // list shows the name at once. An empty name gives the entry its
    // built-in label back. Returns why it could not be named.
    std::optional<QString> nameEntry(ListEntry entry, const QString &name);

signals:
    // The files that cannot be used, and why; sent whenever that changes,
    // empty once every file can be used again.
    void problems(const QStringList &messages);

private:
    void readList(LongList list);
    void watchFiles();

    ImageSession &session_;
    QString folder_;
    QFileSystemWatcher watcher_;
    std::map<LongList, QString> told_; // the problem of each list's file that cannot be used
};

} // namespace mobwright

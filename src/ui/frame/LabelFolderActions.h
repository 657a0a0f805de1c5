#pragma once

#include "LabelForms.h"
#include "WindowParts.h"

#include <QObject>

class QAction;
class QMessageBox;

namespace mobwright {

class UserLabelFolder;

// The window's side of the user's label folder: Help › Open Label Folder,
// following the folder's files, telling of those that cannot be used, and
// naming an entry in them.
class LabelFolderActions : public QObject
{
    Q_OBJECT

public:
    explicit LabelFolderActions(const WindowParts &parts);

    // Help › Open Label Folder.
    QAction *openEntry() const { return open_; }
    // Takes the user's label files from folder, and follows them while they
    // change; a file that is not used is told of once.
    void useLabelFolder(const QString &folder);
    // "Name This Entry…": the entry's new name, written to its list's file.
    void nameEntry(ListEntry entry);

private:
    void openLabelFolder();
    void showLabelProblems(const QStringList &problems);

    WindowParts parts_;
    QAction *open_;
    UserLabelFolder *labelFolder_ = nullptr;
    QMessageBox *labelNotice_ = nullptr;
};

} // namespace mobwright

#include "LabelFolderActions.h"

#include "ImageSession.h"
#include "LabelFolder.h"
#include "Prompter.h"
#include "QtText.h"
#include "UserLabelFolder.h"

#include <QAction>
#include <QDesktopServices>
#include <QMainWindow>
#include <QDir>
#include <QMessageBox>
#include <QStatusBar>
#include <QUrl>

namespace mobwright {

LabelFolderActions::LabelFolderActions(const WindowParts &parts)
    : QObject(&parts.window)
    , parts_(parts)
    , open_(new QAction(tr("Open &Label Folder"), this))
{
    open_->setObjectName(QStringLiteral("mnuLabelFolder"));
    connect(open_, &QAction::triggered, this, &LabelFolderActions::openLabelFolder);
}

void LabelFolderActions::openLabelFolder()
{
    const QString folder = LabelFolder();
    if (!QDir().mkpath(folder)) {
        parts_.prompter.warn(&parts_.window,
                             tr("The label folder %1 cannot be created.").arg(folder));
        return;
    }
    // Without a file manager the user still learns where the files go.
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        parts_.prompter.warn(
            &parts_.window,
            tr("No file manager opened the label folder. Your label files go in:\n\n") +
                QDir::toNativeSeparators(folder));
}

void LabelFolderActions::useLabelFolder(const QString &folder)
{
    delete labelFolder_;
    labelFolder_ = new UserLabelFolder(parts_.session, folder, this);
    connect(labelFolder_, &UserLabelFolder::problems, this, &LabelFolderActions::showLabelProblems);
    labelFolder_->readAll();
}

// In a box that waits for nothing: the start goes on meanwhile, and once the
// files are mended the box goes, rather than telling of what is no more.
void LabelFolderActions::showLabelProblems(const QStringList &problems)
{
    if (!labelNotice_) {
        labelNotice_ = new QMessageBox(QMessageBox::Warning, QStringLiteral("Mobwright"), {},
                                       QMessageBox::Ok, &parts_.window);
        labelNotice_->setObjectName(QStringLiteral("msgLabelProblems"));
        labelNotice_->setWindowModality(Qt::NonModal);
        labelNotice_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    labelNotice_->setText(problems.join(QStringLiteral("\n\n")));
    labelNotice_->setVisible(!problems.isEmpty());
}

void LabelFolderActions::nameEntry(ListEntry entry)
{
    if (!labelFolder_)
        return;
    const std::string label =
        parts_.session.labels().baseLabels(entry.list).at(std::size_t(entry.position));
    const std::string_view name = NameInLabel(entry.list, entry.position, label);
    const auto typed =
        parts_.prompter.entryName(&parts_.window, ToQString(parts_.session.labels().label(entry)),
                                  IsPlaceholderName(name) ? QString() : ToQString(name));
    if (!typed)
        return;
    if (const auto failure = labelFolder_->nameEntry(entry, *typed))
        parts_.prompter.warn(&parts_.window, *failure);
    else if (entry.list == LongList::Item &&
             parts_.session.labels().label(entry) !=
                 parts_.session.labels().baseLabels(entry.list).at(std::size_t(entry.position)))
        parts_.window.statusBar()->showMessage(
            tr("Named in %1; the image names this item itself, and its "
               "name comes first")
                .arg(labelFolder_->folder()));
    else
        parts_.window.statusBar()->showMessage(tr("Named in %1").arg(labelFolder_->folder()));
}

} // namespace mobwright

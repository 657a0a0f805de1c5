// The window's side of the user's label folder: opening it, following its
// files, telling of those that cannot be used, and naming an entry in them.
#include "MainWindow.h"

#include "LabelFolder.h"
#include "QtText.h"
#include "UserLabelFolder.h"

#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QStatusBar>
#include <QUrl>

namespace mobwright {

void MainWindow::openLabelFolder()
{
    const QString folder = LabelFolder();
    if (!QDir().mkpath(folder)) {
        warn(tr("The label folder %1 cannot be created.").arg(folder));
        return;
    }
    // Without a file manager the user still learns where the files go.
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        warn(tr("No file manager opened the label folder. Your label files go in:\n\n") +
             QDir::toNativeSeparators(folder));
}

void MainWindow::useLabelFolder(const QString &folder)
{
    delete labelFolder_;
    labelFolder_ = new UserLabelFolder(session_, folder, this);
    connect(labelFolder_, &UserLabelFolder::problems, this, &MainWindow::showLabelProblems);
    labelFolder_->readAll();
}

// In a box that waits for nothing: the start goes on meanwhile, and once the
// files are mended the box goes, rather than telling of what is no more.
void MainWindow::showLabelProblems(const QStringList &problems)
{
    if (!labelNotice_) {
        labelNotice_ = new QMessageBox(QMessageBox::Warning, QStringLiteral("Mobwright"), {},
                                       QMessageBox::Ok, this);
        labelNotice_->setObjectName(QStringLiteral("msgLabelProblems"));
        labelNotice_->setWindowModality(Qt::NonModal);
        labelNotice_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    labelNotice_->setText(problems.join(QStringLiteral("\n\n")));
    labelNotice_->setVisible(!problems.isEmpty());
}

void MainWindow::nameEntry(ListEntry entry)
{
    if (!labelFolder_)
        return;
    const std::string label = session_.labels().baseLabels(entry.list).at(std::size_t(entry.position));
    const std::string_view name = NameInLabel(entry.list, entry.position, label);
    const auto typed = prompter_->entryName(this, ToQString(session_.labels().label(entry)),
                                            IsPlaceholderName(name) ? QString() : ToQString(name));
    if (!typed)
        return;
    if (const auto failure = labelFolder_->nameEntry(entry, *typed))
        warn(*failure);
    else if (entry.list == LongList::Item &&
             session_.labels().label(entry) !=
                 session_.labels().baseLabels(entry.list).at(std::size_t(entry.position)))
        statusBar()->showMessage(tr("Named in %1; the image names this item itself, and its "
                                    "name comes first")
                                     .arg(labelFolder_->folder()));
    else
        statusBar()->showMessage(tr("Named in %1").arg(labelFolder_->folder()));
}

} // namespace mobwright

#include "CompareActions.h"

#include "Comparison.h"
#include "Counted.h"
#include "DifferencesView.h"
#include "EnemyNavigator.h"
#include "ImageSession.h"
#include "Prompter.h"
#include "PatchDialog.h"
#include "QtText.h"
#include "RecentImages.h"
#include "RomError.h"
#include "Settings.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMainWindow>
#include <QStatusBar>

namespace mobwright {
namespace {

QAction *Entry(const char *name, const QString &text, QObject *parent)
{
    auto *action = new QAction(text, parent);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

// The baselines used with an image are kept under a key of its own.
QString RecentKey(const QString &imagePath)
{
    return ImageKey(QStringLiteral("recentBaselines"), imagePath);
}

} // namespace

CompareActions::CompareActions(const WindowParts &parts)
    : QObject(&parts.window)
    , parts_(parts)
    , session_(parts.session)
    , compare_(Entry("mnuCompareWith", tr("Co&mpare With…"), this))
    , compareOriginal_(Entry("mnuCompareOriginal", tr("Compare With &Original"), this))
    , recentMenu_(new QMenu(tr("Recent &Baselines"), &parts.window))
    , recent_(new RecentImages(recentMenu_, parts.settings, QString(),
                               QStringLiteral("mnuRecentBaseline"), 5, this))
    , stop_(Entry("mnuStopComparing", tr("&Stop Comparing"), this))
    , patch_(Entry("mnuExportPatch", tr("Export &Patch…"), this))
    , revertShown_(Entry("mnuRevertToBaseline", tr("Revert to &Baseline"), this))
    , revertAll_(Entry("mnuRevertAllToBaseline", tr("Revert All &to Baseline"), this))
    , differencesEntry_(Entry("mnuDifferences", tr("&Differences"), this))
{
    setObjectName(QStringLiteral("compareActions"));
    connect(compare_, &QAction::triggered, this, &CompareActions::chooseBaseline);
    compareOriginal_->setStatusTip(tr("Compare with the enemy table as it was before Mobwright "
                                      "first wrote into the image, as its journal keeps it"));
    connect(compareOriginal_, &QAction::triggered, this, &CompareActions::compareWithOriginal);
    recentMenu_->setObjectName(QStringLiteral("mnuRecentBaselines"));
    connect(recent_, &RecentImages::chosen, this, [this](const QString &path) {
        if (QFileInfo::exists(path)) {
            compareWith(path);
            return;
        }
        recent_->remove(path);
        parts_.prompter.warn(&parts_.window,
                             tr("\"%1\" no longer exists; it is taken off the recent baselines.")
                                 .arg(QDir::toNativeSeparators(path)));
    });
    connect(stop_, &QAction::triggered, &session_, &ImageSession::clearBaseline);
    connect(patch_, &QAction::triggered, this, &CompareActions::exportPatch);
    connect(revertShown_, &QAction::triggered, this, [this] { revert(false); });
    connect(revertAll_, &QAction::triggered, this, [this] { revert(true); });
    connect(differencesEntry_, &QAction::triggered, this, [this] {
        DifferencesView &view = differences();
        view.show();
        view.raise();
        view.activateWindow();
    });
    imageActions_ = {compare_, compareOriginal_, differencesEntry_};
    baselineActions_ = {stop_, patch_, revertShown_, revertAll_};

    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("lblBaseline"));
    // Set apart from the image's name, which follows.
    status_->setFrameShape(QFrame::StyledPanel);
    parts.window.statusBar()->addPermanentWidget(status_);
    for (const auto changed :
         {&ImageSession::opened, &ImageSession::closed, &ImageSession::baselineChanged})
        connect(&session_, changed, this, &CompareActions::showState);
    showState();
}

void CompareActions::addFileEntries(QMenu *file)
{
    file->addActions({compare_, compareOriginal_, recentMenu_->menuAction(), stop_});
}

void CompareActions::addPatchEntry(QMenu *file)
{
    file->addAction(patch_);
}

void CompareActions::addEditEntries(QMenu *edit)
{
    edit->addActions({revertShown_, revertAll_});
}

void CompareActions::addViewEntries(QMenu *view)
{
    view->addAction(differencesEntry_);
}

DifferencesView &CompareActions::differences()
{
    if (!differences_) {
        differences_ = new DifferencesView(session_, parts_.prompter, &parts_.window);
        connect(differences_, &DifferencesView::differenceChosen, this,
                [this](const RecordDifference &difference) {
                    parts_.navigator.showEnemy(difference.enemy, difference.cell.field());
                    parts_.window.raise();
                    parts_.window.activateWindow();
                });
    }
    return *differences_;
}

void CompareActions::chooseBaseline()
{
    const QStringList recent = recent_->paths();
    const QString folder = recent.isEmpty() ? QFileInfo(session_.path()).absolutePath()
                                            : QFileInfo(recent.first()).absolutePath();
    const QString path = parts_.prompter.baselineToCompare(&parts_.window, folder);
    if (!path.isEmpty())
        compareWith(path);
}

void CompareActions::compareWith(const QString &path)
{
    try {
        session_.setBaseline(QFile::encodeName(path).toStdString());
    } catch (const RomError &error) {
        const Baseline *before = session_.baseline();
        parts_.prompter.warn(&parts_.window, tr("%1\n\nThe image is compared with %2 as before.")
                                                 .arg(ToQString(error.what()),
                                                      before ? QFileInfo(before->path()).fileName()
                                                             : tr("nothing")));
        return;
    }
    recent_->add(session_.baseline()->path());
    tellDiffering();
}

void CompareActions::compareWithOriginal()
{
    try {
        session_.compareWithOriginal();
    } catch (const RomError &error) {
        parts_.prompter.warn(&parts_.window, ToQString(error.what()));
        return;
    }
    tellDiffering();
}

void CompareActions::tellDiffering()
{
    int differing = 0;
    for (int index = 0; index < ENEMY_COUNT; ++index)
        differing += DiffersFromBaseline(session_, index) ? 1 : 0;
    parts_.window.statusBar()->showMessage(
        tr("Compared with %1: %2 differ")
            .arg(session_.baseline()->name(), Counted(differing, Noun::Enemy)));
}

void CompareActions::revert(bool all)
{
    std::vector<int> enemies;
    for (int index = 0; index < ENEMY_COUNT; ++index) {
        const bool wanted = all || index == parts_.navigator.shownEnemy();
        if (wanted && DiffersFromBaseline(session_, index))
            enemies.push_back(index);
    }
    if (enemies.empty()) {
        parts_.window.statusBar()->showMessage(tr("Nothing differs from the baseline"));
        return;
    }
    const QString what = tr("Revert %1 to the baseline")
                             .arg(all ? Counted(qsizetype(enemies.size()), Noun::Enemy)
                                      : session_.enemyLabel(enemies.front()));
    RevertToBaseline(session_, enemies, what);
    parts_.window.statusBar()->showMessage(tr("%1: pending until applied").arg(what));
}

void CompareActions::exportPatch()
{
    PatchDialog dialog(session_, parts_.prompter, &parts_.window);
    if (dialog.exec() == QDialog::Accepted)
        parts_.window.statusBar()->showMessage(
            tr("Patch written to %1").arg(QDir::toNativeSeparators(dialog.writtenTo())));
}

void CompareActions::showState()
{
    const bool open = session_.isOpen();
    const Baseline *baseline = open ? session_.baseline() : nullptr;
    for (QAction *action : imageActions_)
        action->setEnabled(open);
    for (QAction *action : baselineActions_)
        action->setEnabled(baseline != nullptr);
    recent_->setKey(open ? RecentKey(session_.path()) : QString());
    status_->setVisible(baseline != nullptr);
    if (baseline) {
        status_->setText(tr("Baseline: %1").arg(baseline->name()));
        status_->setToolTip(
            QDir::toNativeSeparators(baseline->path()) + QStringLiteral(" — ") +
            (baseline->hasCopierHeader() ? tr("with copier header") : tr("no copier header")));
    }
}

} // namespace mobwright

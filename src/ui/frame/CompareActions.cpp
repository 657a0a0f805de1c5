#include "CompareActions.h"

#include "Comparison.h"
#include "Counted.h"
#include "DifferencesView.h"
#include "EnemyEditor.h"
#include "MainWindow.h"
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
#include <QMenuBar>
#include <QStatusBar>

namespace mobwright {
namespace {

// The entry that follows the one named name, before which new entries go.
QAction *After(const QMenu *menu, const char *name)
{
    const QList<QAction *> actions = menu->actions();
    for (qsizetype k = 0; k + 1 < actions.size(); ++k) {
        if (actions[k]->objectName() == QLatin1String(name))
            return actions[k + 1];
    }
    return nullptr;
}

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

CompareActions::CompareActions(MainWindow &window)
    : QObject(&window)
    , window_(window)
    , session_(window.session())
    , prompter_(window.prompter())
{
    setObjectName(QStringLiteral("compareActions"));
    QMenuBar *menus = window.menuBar();
    buildFileEntries(menus->findChild<QMenu *>(QStringLiteral("mnuFile")));
    buildEditEntries(menus->findChild<QMenu *>(QStringLiteral("mnuEdit")));
    QAction *differences = Entry("mnuDifferences", tr("&Differences"), this);
    connect(differences, &QAction::triggered, this, [this] {
        DifferencesView &view = this->differences();
        view.show();
        view.raise();
        view.activateWindow();
    });
    menus->findChild<QMenu *>(QStringLiteral("mnuView"))->addAction(differences);
    imageActions_.push_back(differences);

    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("lblBaseline"));
    // Set apart from the image's name, which follows.
    status_->setFrameShape(QFrame::StyledPanel);
    window.statusBar()->addPermanentWidget(status_);
    for (const auto changed :
         {&ImageSession::opened, &ImageSession::closed, &ImageSession::baselineChanged})
        connect(&session_, changed, this, &CompareActions::showState);
    showState();
}

void CompareActions::buildFileEntries(QMenu *file)
{
    QAction *compare = Entry("mnuCompareWith", tr("Co&mpare With…"), this);
    connect(compare, &QAction::triggered, this, &CompareActions::chooseBaseline);
    auto *recent = new QMenu(tr("Recent &Baselines"), file);
    recent->setObjectName(QStringLiteral("mnuRecentBaselines"));
    recent_ = new RecentImages(recent, window_.settings(), QString(),
                               QStringLiteral("mnuRecentBaseline"), 5, this);
    connect(recent_, &RecentImages::chosen, this, [this](const QString &path) {
        if (QFileInfo::exists(path)) {
            compareWith(path);
            return;
        }
        recent_->remove(path);
        prompter_.warn(&window_,
                       tr("\"%1\" no longer exists; it is taken off the recent baselines.")
                           .arg(QDir::toNativeSeparators(path)));
    });
    QAction *stop = Entry("mnuStopComparing", tr("&Stop Comparing"), this);
    connect(stop, &QAction::triggered, &session_, &ImageSession::clearBaseline);

    QAction *tableEntries = file->findChild<QAction *>(QStringLiteral("mnuExport"));
    file->insertActions(tableEntries, {compare, recent->menuAction(), stop});
    file->insertSeparator(tableEntries);
    QAction *patch = Entry("mnuExportPatch", tr("Export &Patch…"), this);
    connect(patch, &QAction::triggered, this, &CompareActions::exportPatch);
    file->insertAction(After(file, "mnuImport"), patch);
    imageActions_.push_back(compare);
    baselineActions_.insert(baselineActions_.end(), {stop, patch});
}

void CompareActions::buildEditEntries(QMenu *edit)
{
    QAction *shown = Entry("mnuRevertToBaseline", tr("Revert to &Baseline"), this);
    connect(shown, &QAction::triggered, this, [this] { revert(false); });
    QAction *all = Entry("mnuRevertAllToBaseline", tr("Revert All &to Baseline"), this);
    connect(all, &QAction::triggered, this, [this] { revert(true); });
    QAction *next = After(edit, "mnuApplyAll");
    edit->insertSeparator(next);
    edit->insertActions(next, {shown, all});
    baselineActions_.insert(baselineActions_.end(), {shown, all});
}

DifferencesView &CompareActions::differences()
{
    if (!differences_) {
        differences_ = new DifferencesView(session_, prompter_, &window_);
        connect(differences_, &DifferencesView::differenceChosen, this,
                [this](const RecordDifference &difference) {
                    window_.showEnemy(difference.enemy);
                    if (const auto field = difference.cell.field())
                        window_.editor().focusField(*field);
                    window_.raise();
                    window_.activateWindow();
                });
    }
    return *differences_;
}

void CompareActions::chooseBaseline()
{
    const QStringList recent = recent_->paths();
    const QString folder = recent.isEmpty() ? QFileInfo(session_.path()).absolutePath()
                                            : QFileInfo(recent.first()).absolutePath();
    const QString path = prompter_.baselineToCompare(&window_, folder);
    if (!path.isEmpty())
        compareWith(path);
}

void CompareActions::compareWith(const QString &path)
{
    try {
        session_.setBaseline(QFile::encodeName(path).toStdString());
    } catch (const RomError &error) {
        const Baseline *before = session_.baseline();
        prompter_.warn(&window_,
                       tr("%1\n\nThe image is compared with %2 as before.")
                           .arg(ToQString(error.what()),
                                before ? QFileInfo(before->path()).fileName() : tr("nothing")));
        return;
    }
    recent_->add(session_.baseline()->path());
    int differing = 0;
    for (int index = 0; index < ENEMY_COUNT; ++index)
        differing += DiffersFromBaseline(session_, index) ? 1 : 0;
    window_.statusBar()->showMessage(
        tr("Compared with %1: %2 differ")
            .arg(QFileInfo(path).fileName(), Counted(differing, Noun::Enemy)));
}

void CompareActions::revert(bool all)
{
    std::vector<int> enemies;
    for (int index = 0; index < ENEMY_COUNT; ++index) {
        const bool wanted = all || index == window_.editor().shownEnemy();
        if (wanted && DiffersFromBaseline(session_, index))
            enemies.push_back(index);
    }
    if (enemies.empty()) {
        window_.statusBar()->showMessage(tr("Nothing differs from the baseline"));
        return;
    }
    const QString what = tr("Revert %1 to the baseline")
                             .arg(all ? Counted(qsizetype(enemies.size()), Noun::Enemy)
                                      : session_.enemyLabel(enemies.front()));
    RevertToBaseline(session_, enemies, what);
    window_.statusBar()->showMessage(tr("%1: pending until applied").arg(what));
}

void CompareActions::exportPatch()
{
    PatchDialog dialog(session_, prompter_, &window_);
    if (dialog.exec() == QDialog::Accepted)
        window_.statusBar()->showMessage(
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
        status_->setText(tr("Baseline: %1").arg(QFileInfo(baseline->path()).fileName()));
        status_->setToolTip(
            QDir::toNativeSeparators(baseline->path()) + QStringLiteral(" — ") +
            (baseline->hasCopierHeader() ? tr("with copier header") : tr("no copier header")));
    }
}

} // namespace mobwright

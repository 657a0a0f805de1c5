#include "EditActions.h"

#include "ChangesPreview.h"
#include "ConflictMarks.h"
#include "Counted.h"
#include "EnemyNavigator.h"
#include "HistoryView.h"
#include "ImportPlan.h"
#include "Prompter.h"
#include "QtText.h"
#include "RomError.h"
#include "WindowPlace.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>

#include <algorithm>
#include <set>

namespace mobwright {
namespace {

// The field or byte a preview's row names.
RecordCell CellOfRow(const CellChange &row)
{
    const Column *column = FindColumn(row.column);
    return column && column->cell ? *column->cell : RecordCell(Field::Name);
}

} // namespace

EditActions::EditActions(const WindowParts &parts)
    : QObject(&parts.window)
    , parts_(parts)
    , session_(parts.session)
    , undo_(new QAction(QString(), this))
    , redo_(new QAction(QString(), this))
    , history_(new QAction(tr("&History"), this))
    , apply_(new QAction(tr("&Apply Changes"), this))
    , applyAll_(new QAction(tr("Apply A&ll…"), this))
    , revert_(new QAction(tr("Re&vert Changes"), this))
    , revertAll_(new QAction(tr("Revert All &Changes"), this))
{
    undo_->setObjectName(QStringLiteral("mnuUndo"));
    redo_->setObjectName(QStringLiteral("mnuRedo"));
    apply_->setObjectName(QStringLiteral("mnuApply"));
    applyAll_->setObjectName(QStringLiteral("mnuApplyAll"));
    revert_->setObjectName(QStringLiteral("mnuRevert"));
    revertAll_->setObjectName(QStringLiteral("mnuRevertAll"));
    undo_->setShortcut(QKeySequence::Undo);
    connect(undo_, &QAction::triggered, this, [this] { stepHistory(true); });
    redo_->setShortcut(QKeySequence::Redo);
    connect(redo_, &QAction::triggered, this, [this] { stepHistory(false); });
    history_->setObjectName(QStringLiteral("mnuHistory"));
    history_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(history_, &QAction::triggered, this, [this] {
        if (!historyView_) {
            historyView_ = new HistoryView(session_, &parts_.window);
            connect(historyView_, &HistoryView::stepChosen, this, &EditActions::goToStep);
            connect(historyView_, &HistoryView::earlierWriteUndone, this,
                    &EditActions::undoEarlierWrite);
            new WindowPlace(*historyView_, parts_.settings, QStringLiteral("history/geometry"),
                            WindowPlace::Fit::WithinScreen);
        }
        historyView_->show();
        historyView_->raise();
        historyView_->activateWindow();
    });
    connect(&session_, &ImageSession::historyChanged, this, &EditActions::nameSteps);
    nameSteps();
    apply_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    connect(apply_, &QAction::triggered, this, [this] { applyShownEnemy(); });
    applyAll_->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Return),
                             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Enter)});
    connect(applyAll_, &QAction::triggered, this, [this] { applyAll(true); });
    connect(revert_, &QAction::triggered, this, [this] {
        const int index = parts_.navigator.shownEnemy();
        session_.revert({index}, tr("Revert %1").arg(session_.enemyLabel(index)));
    });
    connect(revertAll_, &QAction::triggered, this,
            [this] { session_.revert(session_.pending().enemies(), tr("Revert All Changes")); });
    connect(&session_, &ImageSession::opened, this, &EditActions::showState);
    connect(&session_, &ImageSession::closed, this, &EditActions::showState);
    connect(&session_, &ImageSession::changedBehind, this, &EditActions::noteChangedBehind);
    connect(&session_, &ImageSession::imageLost, this, [this] { offerToOpenAgain(); });
    showState();
}

void EditActions::addStepEntries(QMenu *edit)
{
    edit->addActions({undo_, redo_, history_});
}

void EditActions::addApplyEntries(QMenu *edit)
{
    edit->addActions({apply_, applyAll_});
}

void EditActions::addRevertEntries(QMenu *edit)
{
    edit->addActions({revert_, revertAll_});
}

// The entries say which step they take: "Undo Apply to 094: Rust Beetle".
void EditActions::nameSteps()
{
    const auto name = [](QAction *action, const QString &verb, bool can, const QString &step) {
        action->setEnabled(can);
        action->setText(can ? verb + u' ' + QString(step).replace(u'&', QStringLiteral("&&"))
                            : verb);
    };
    name(undo_, tr("&Undo"), session_.canUndo(), session_.undoText());
    name(redo_, tr("&Redo"), session_.canRedo(), session_.redoText());
}

void EditActions::showState()
{
    for (QAction *action : {apply_, applyAll_, revert_, revertAll_})
        action->setEnabled(session_.isOpen());
}

bool EditActions::applyShownEnemy()
{
    if (!session_.isOpen())
        return false;
    const int index = parts_.navigator.shownEnemy();
    if (!session_.pendingOf(index)) {
        say(tr("Nothing to apply"));
        return false;
    }
    return writePending({index}, tr("Apply to %1").arg(session_.enemyLabel(index)), false);
}

bool EditActions::applyAll(bool preview)
{
    const std::vector<int> enemies = session_.pending().enemies();
    if (enemies.empty()) {
        say(tr("Nothing to apply"));
        return true;
    }
    const QString what = tr("Apply to %1").arg(Counted(qsizetype(enemies.size()), Noun::Enemy));
    return writePending(enemies, what, preview);
}

bool EditActions::writePending(const std::vector<int> &enemies, const QString &what, bool preview)
{
    const std::map<int, PendingRecord> records = session_.pendingRecords(enemies);
    const bool conflicts = std::ranges::any_of(
        records, [](const auto &entry) { return !entry.second.conflicts.empty(); });
    ImageSession::Confirmed confirmed;
    if (preview || conflicts) {
        // No preview of edits that cannot be written.
        if (const auto refused = session_.firstRefusal(enemies))
            return refuse(*refused);
        const QString title = enemies.size() == 1 ? tr("Apply Changes") : tr("Apply All");
        if (!previewWrite(records, title, confirmed))
            return false;
    }
    const ImageSession::ApplyOutcome applied = session_.applyRecords(records, what, confirmed);
    if (const auto *refused = std::get_if<ImageSession::RefusedEdit>(&applied))
        return refuse(*refused);
    const WriteOutcome &outcome = std::get<WriteOutcome>(applied);
    if (outcome.kind == WriteOutcome::Kind::Nothing) {
        say(tr("Nothing written: no conflicting edit was ticked"));
        return false;
    }
    tellOutcome(what, outcome);
    const qsizetype left = std::ranges::count_if(enemies, [this](int index) {
        const PendingRecord *pending = session_.pendingOf(index);
        return pending && !pending->conflicts.empty();
    });
    if (outcome.kind == WriteOutcome::Kind::Written && left > 0)
        say(tr("%1: written and synced; the edits that conflict and were not "
               "ticked are still pending, in %2")
                .arg(what, Counted(left, Noun::Enemy)));
    return outcome.wroteAll();
}

// Every field the write changes, and where another program changed one
// too, both values: the count is of the rows.
bool EditActions::previewWrite(const std::map<int, PendingRecord> &records, const QString &title,
                               ImageSession::Confirmed &confirmed)
{
    std::vector<RecordWrite> writes;
    for (const auto &[index, record] : records)
        writes.push_back({index, record.base, record.target});
    const std::vector<CellChange> rows =
        ChangedCells(writes, EnemyTable(session_.storedRecords(), &session_.labels()));
    std::vector<bool> conflicting;
    std::set<int> enemies;
    for (const CellChange &row : rows) {
        conflicting.push_back(records.at(row.index).inConflict(CellOfRow(row)));
        enemies.insert(row.index);
    }
    QString summary = tr("%1 writes %2 of %3 into the image.")
                          .arg(title, Counted(qsizetype(rows.size()), Noun::Field),
                               Counted(qsizetype(enemies.size()), Noun::Enemy));
    if (const auto count = std::ranges::count(conflicting, true))
        summary += u' ' + tr("Another program changed %n of them too: each such row shows what the "
                             "file holds now as old and your edit as new, which is written only "
                             "where you tick it.",
                             "", int(count));
    const auto ticked =
        parts_.prompter.confirmApply(&parts_.window, title, summary, rows, conflicting);
    if (!ticked)
        return false;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        if (conflicting[k] && k < ticked->size() && (*ticked)[k])
            confirmed[rows[k].index].insert(CellOfRow(rows[k]).offset());
    }
    return true;
}

bool EditActions::refuse(const ImageSession::RefusedEdit &refused)
{
    parts_.navigator.showEnemy(refused.enemy, refused.refusal.field);
    warn(ToQString(refused.refusal.message()));
    return false;
}

void EditActions::noteChangedBehind(const QList<int> &indexes)
{
    const int shown = parts_.navigator.shownEnemy();
    if (!indexes.contains(shown)) {
        say(tr("Another program changed %1 in the image; your edits to them "
               "are merged with its changes.")
                .arg(Counted(indexes.size(), Noun::Enemy)));
        return;
    }
    // The conflicts first: the status bar may cut the message short.
    QString text;
    if (const PendingRecord *pending = session_.pendingOf(shown)) {
        const EnemyTable stored(session_.storedRecords(), &session_.labels());
        for (const int offset : pending->conflicts) {
            const RecordCell cell = CellAt(offset);
            text += tr("%1: %2.").arg(ToQString(CellName(cell)),
                                      ConflictText(cell, shown, *pending, stored)) +
                    u' ';
        }
    }
    say(text + tr("Another program changed %1 in the image; your edits to it "
                  "are merged with its changes.")
                   .arg(session_.enemyLabel(shown)));
}

void EditActions::offerToOpenAgain(const QString &failure)
{
    const QString image = QDir::toNativeSeparators(session_.path());
    const RomFile &rom = session_.rom();
    QString message = failure.isEmpty() ? QString() : failure + QStringLiteral("\n\n");
    try {
        message +=
            rom.changeSinceOpened() == RomFile::Change::Resized
                ? tr("The size of the image %1 changed from %2 to %3 bytes since it was opened.")
                      .arg(image)
                      .arg(rom.openedSize())
                      .arg(rom.currentSize())
                : tr("The image %1 was replaced, moved or deleted since it was opened.").arg(image);
    } catch (const RomError &error) {
        message += ToQString(error.what());
    }
    const int edits = session_.pending().editCount();
    message += QStringLiteral("\n\n") +
               (edits == 0 ? tr("Open it again to show what it holds now?")
                           : tr("What it holds now is not merged with your edits, and %1 are kept. "
                                "Open the image again to merge them onto what it holds, or keep "
                                "them while you decide?")
                                 .arg(Counted(edits, Noun::Field)));
    if (!parts_.prompter.openAgain(&parts_.window, message)) {
        say(tr("Nothing is written until the image is opened again."));
        return;
    }
    try {
        session_.openAgain();
    } catch (const RomError &error) {
        warn(ToQString(error.what()));
        return;
    }
    say(tr("Opened %1 again").arg(image));
}

bool EditActions::settlePendingEdits()
{
    const PendingEdits &pending = session_.pending();
    if (!session_.isOpen() || pending.empty())
        return true;
    const QString what =
        QStringLiteral("%1 (%2)").arg(Counted(qsizetype(pending.enemies().size()), Noun::Enemy),
                                      Counted(pending.editCount(), Noun::Field));
    switch (parts_.prompter.unappliedEdits(&parts_.window, what)) {
    case UnappliedAnswer::Apply:
        return applyAll(false);
    case UnappliedAnswer::Discard:
        return true;
    case UnappliedAnswer::Cancel:
        break;
    }
    return false;
}

void EditActions::stepHistory(bool undoing)
{
    const QString what =
        undoing ? tr("Undo %1").arg(session_.undoText()) : tr("Redo %1").arg(session_.redoText());
    tellOutcome(what, undoing ? session_.undo() : session_.redo());
}

void EditActions::goToStep(int done)
{
    const WriteOutcome outcome = session_.goToStep(done);
    const int at = session_.stepsDone();
    // The step whose write failed, if the history stopped short.
    const QString what = at > done   ? tr("Undo %1").arg(session_.stepText(at - 1))
                         : at < done ? tr("Redo %1").arg(session_.stepText(at))
                                     : tr("History");
    tellOutcome(what, outcome);
}

void EditActions::undoEarlierWrite(std::uint64_t sequence, const QString &step)
{
    const QString what = tr("Undo \"%1\" and every write since").arg(step);
    try {
        const WriteOutcome outcome = session_.undoEarlierWrite(sequence, what);
        if (outcome.kind == WriteOutcome::Kind::Nothing)
            say(tr("%1: the enemy table already holds what it held before; nothing to write")
                    .arg(what));
        tellOutcome(what, outcome);
    } catch (const std::runtime_error &error) { // the journal's, or reading the image
        warn(tr("%1 failed.\n\n%2").arg(what, QString::fromStdString(error.what())));
    }
}

void EditActions::tellOutcome(const QString &what, const WriteOutcome &outcome)
{
    switch (outcome.cause) {
    case WriteOutcome::Cause::Replaced:
    case WriteOutcome::Cause::Resized:
        offerToOpenAgain(tr("%1 failed: nothing was written.").arg(what));
        return;
    case WriteOutcome::Cause::ChangedBehind:
        warn(tr("%1 failed.\n\n%2\n\nThe editor shows what the file holds now, with your "
                "pending edits merged onto it.")
                 .arg(what, ToQString(outcome.message())));
        return;
    default:
        break;
    }
    if (outcome.kind == WriteOutcome::Kind::Nothing)
        return;
    if (outcome.kind != WriteOutcome::Kind::Written) {
        warn(tr("%1 failed.\n\n%2").arg(what, ToQString(outcome.message())));
        return;
    }
    say(tr("%1: written and synced").arg(what));
}

void EditActions::say(const QString &message)
{
    parts_.window.statusBar()->showMessage(message);
}

// Over the editor's window that is active, the table or the history say,
// so that the focus goes back there when the message is closed.
void EditActions::warn(const QString &message)
{
    QWidget *active = QApplication::activeWindow();
    QWidget *window = active;
    while (window && window != &parts_.window)
        window = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    parts_.prompter.warn(window ? active : &parts_.window, message);
}

} // namespace mobwright

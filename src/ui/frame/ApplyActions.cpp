// The window's applying of pending edits, and what it says when another
// program changes the image behind it.
#include "MainWindow.h"

#include "ChangesPreview.h"
#include "ConflictMarks.h"
#include "Counted.h"
#include "EnemyEditor.h"
#include "ImportPlan.h"
#include "QtText.h"
#include "RomError.h"

#include <QDir>
#include <QStatusBar>

#include <algorithm>
#include <set>

namespace mobwright {
namespace {

EnemyTable StoredTable(const ImageSession &session)
{
    EnemyTable table(session.storedRecords());
    table.longLabels = &session.labels();
    return table;
}

// The field or byte a preview's row names.
RecordCell CellOfRow(const CellChange &row)
{
    const Column *column = FindColumn(row.column);
    return column && column->cell ? *column->cell : RecordCell(Field::Name);
}

} // namespace

bool MainWindow::applyShownEnemy()
{
    if (!session_.isOpen())
        return false;
    const int index = editor_->shownEnemy();
    if (!session_.pendingOf(index)) {
        statusBar()->showMessage(tr("Nothing to apply"));
        return false;
    }
    return writePending({index}, tr("Apply to %1").arg(session_.enemyLabel(index)), false);
}

bool MainWindow::applyAll(bool preview)
{
    const std::vector<int> enemies = session_.pending().enemies();
    if (enemies.empty()) {
        statusBar()->showMessage(tr("Nothing to apply"));
        return true;
    }
    const QString what = tr("Apply to %1").arg(Counted(qsizetype(enemies.size()), Noun::Enemy));
    return writePending(enemies, what, preview);
}

bool MainWindow::writePending(const std::vector<int> &enemies, const QString &what, bool preview)
{
    const std::map<int, PendingRecord> records = session_.pendingRecords(enemies);
    const bool conflicts = std::ranges::any_of(records, [](const auto &entry) { return !entry.second.conflicts.empty(); });
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
        statusBar()->showMessage(tr("Nothing written: no conflicting edit was ticked"));
        return false;
    }
    tellOutcome(what, outcome);
    const qsizetype left = std::ranges::count_if(enemies, [this](int index) {
        const PendingRecord *pending = session_.pendingOf(index);
        return pending && !pending->conflicts.empty();
    });
    if (outcome.kind == WriteOutcome::Kind::Written && left > 0)
        statusBar()->showMessage(tr("%1: written and synced; the edits that conflict and were not "
                                    "ticked are still pending, in %2")
                                     .arg(what, Counted(left, Noun::Enemy)));
    return outcome.wroteAll();
}

// Every field the write changes, and where another program changed one
// too, both values: the count is of the rows.
bool MainWindow::previewWrite(const std::map<int, PendingRecord> &records, const QString &title,
                              ImageSession::Confirmed &confirmed)
{
    std::vector<RecordWrite> writes;
    for (const auto &[index, record] : records)
        writes.push_back({index, record.base, record.target});
    const std::vector<CellChange> rows = ChangedCells(writes, StoredTable(session_));
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
    const auto ticked = prompter_->confirmApply(this, title, summary, rows, conflicting);
    if (!ticked)
        return false;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        if (conflicting[k] && k < ticked->size() && (*ticked)[k])
            confirmed[rows[k].index].insert(CellOfRow(rows[k]).offset());
    }
    return true;
}

bool MainWindow::refuse(const ImageSession::RefusedEdit &refused)
{
    showEnemy(refused.enemy);
    editor_->focusField(*refused.refusal.field);
    warn(ToQString(refused.refusal.message()));
    return false;
}

void MainWindow::noteChangedBehind(const QList<int> &indexes)
{
    const int shown = editor_->shownEnemy();
    if (!indexes.contains(shown)) {
        statusBar()->showMessage(tr("Another program changed %1 in the image; your edits to them "
                                    "are merged with its changes.")
                                     .arg(Counted(indexes.size(), Noun::Enemy)));
        return;
    }
    // The conflicts first: the status bar may cut the message short.
    QString text;
    if (const PendingRecord *pending = session_.pendingOf(shown)) {
        for (const int offset : pending->conflicts) {
            const RecordCell cell = CellAt(offset);
            text += tr("%1: %2.").arg(ToQString(CellName(cell)),
                                      ConflictText(cell, shown, *pending, StoredTable(session_))) + u' ';
        }
    }
    statusBar()->showMessage(text + tr("Another program changed %1 in the image; your edits to it "
                                       "are merged with its changes.")
                                        .arg(session_.enemyLabel(shown)));
}

void MainWindow::offerToOpenAgain(const QString &failure)
{
    const QString image = QDir::toNativeSeparators(session_.path());
    const RomFile &rom = session_.rom();
    QString message = failure.isEmpty() ? QString() : failure + QStringLiteral("\n\n");
    try {
        message += rom.changeSinceOpened() == RomFile::Change::Resized
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
    if (!prompter_->openAgain(this, message)) {
        statusBar()->showMessage(tr("Nothing is written until the image is opened again."));
        return;
    }
    try {
        session_.openAgain();
    } catch (const RomError &error) {
        warn(ToQString(error.what()));
        return;
    }
    statusBar()->showMessage(tr("Opened %1 again").arg(image));
}

} // namespace mobwright

#include "RecordCommands.h"

#include "Counted.h"
#include "ImageSession.h"
#include "RecordCopies.h"

#include <algorithm>

namespace mobwright {
namespace {

// The enemies of the selected cells, each once, in the order shown.
std::vector<int> Enemies(const std::vector<TableCell> &selected)
{
    std::vector<int> enemies;
    for (const TableCell &cell : selected) {
        if (std::ranges::find(enemies, cell.enemy) == enemies.end())
            enemies.push_back(cell.enemy);
    }
    return enemies;
}

} // namespace

RecordCommands::RecordCommands(ImageSession &session, QObject *parent)
    : QObject(parent)
    , session_(session)
{
    // The records copied belong to the image they were copied from.
    connect(&session_, &ImageSession::leaving, this, [this] { copied_.reset(); });
}

void RecordCommands::copy(const std::vector<TableCell> &selected)
{
    if (selected.empty()) {
        emit refused(tr("Nothing was copied: select a row of the enemy to copy first."));
        return;
    }
    copied_ = session_.pendingOrStored(selected.front().enemy);
    copiedLabel_ = session_.enemyLabel(selected.front().enemy);
}

void RecordCommands::paste(const std::vector<TableCell> &selected)
{
    if (!copied_) {
        emit refused(tr("Nothing was pasted: copy an enemy first (Copy Enemy)."));
        return;
    }
    const std::vector<int> targets = Enemies(selected);
    auto records = RecordCopiedOnto(*copied_, targets, [this](int enemy) { return session_.pendingOrStored(enemy); });
    if (records.empty())
        return;
    const qsizetype count = qsizetype(records.size());
    session_.editPending(std::move(records), tr("Paste %1 onto %2")
                                                 .arg(copiedLabel_, Counted(count, Noun::Enemy)));
}

void RecordCommands::swap(const std::vector<TableCell> &selected)
{
    const std::vector<int> enemies = Enemies(selected);
    if (enemies.size() != 2) {
        emit refused(tr("Nothing was swapped: select cells in exactly two rows, the two enemies to swap."));
        return;
    }
    const QString what =
        tr("Swap %1 and %2").arg(session_.enemyLabel(enemies[0]), session_.enemyLabel(enemies[1]));
    session_.editPending(
        RecordsSwapped(enemies[0], enemies[1], [this](int enemy) { return session_.pendingOrStored(enemy); }),
        what);
}

} // namespace mobwright

#include "CellCommands.h"

#include "Comparison.h"
#include "Counted.h"
#include "EnemyTableModel.h"
#include "ImageSession.h"
#include "QtText.h"

#include <algorithm>

namespace mobwright {

CellCommands::CellCommands(ImageSession &session, const EnemyTableModel &model, QObject *parent)
    : QObject(parent)
    , session_(session)
    , model_(model)
{
}

// Each selected column takes the value of its first selected cell.
void CellCommands::fillDown(const std::vector<TableCell> &selected)
{
    std::map<const Column *, std::string> top;
    std::vector<CellEdit> texts;
    for (const TableCell &cell : selected) {
        if (!IsEditable(*cell.column))
            continue;
        const auto [found, first] = top.emplace(
            cell.column, CellText(*cell.column, cell.enemy, model_.table()).toStdString());
        if (!first)
            texts.push_back({cell, found->second});
    }
    edit(texts, tr("Fill Down %1").arg(Counted(qsizetype(texts.size()), Noun::Cell)),
         tr("Nothing was filled"));
}

void CellCommands::adjust(const std::vector<TableCell> &selected, const Adjustment &adjustment)
{
    const auto adjusted = AdjustedTexts(
        selected, adjustment, [this](int enemy) { return session_.pendingOrStored(enemy); });
    if (const auto *refusals = std::get_if<std::vector<Refusal>>(&adjusted)) {
        refuse(tr("Nothing was adjusted"), *refusals);
        return;
    }
    const auto &texts = std::get<std::vector<CellEdit>>(adjusted);
    edit(texts, tr("Adjust %1").arg(Counted(qsizetype(texts.size()), Noun::Cell)),
         tr("Nothing was adjusted"));
}

AdjustQuestion CellCommands::adjustQuestion(const std::vector<TableCell> &selected) const
{
    return {int(std::ranges::count_if(selected, [](const TableCell &cell) { return IsNumberColumn(*cell.column); })),
            [this, selected](const Adjustment &adjustment) {
                return AdjustCells(selected, adjustment,
                                   [this](int enemy) { return session_.pendingOrStored(enemy); });
            },
            [this](int enemy) { return session_.enemyLabel(enemy); }};
}

void CellCommands::revert(const std::vector<TableCell> &selected)
{
    std::map<int, PendingRecord> reverted;
    std::size_t count = 0;
    for (const TableCell &cell : selected) {
        const PendingRecord *pending = session_.pendingOf(cell.enemy);
        if (!pending || !IsEditable(*cell.column) || !pending->edits(*cell.column->cell))
            continue;
        auto [found, first] = reverted.emplace(cell.enemy, *pending);
        found->second = found->second.without(*cell.column->cell);
        ++count;
    }
    if (count > 0)
        session_.editPending(std::move(reverted),
                             tr("Revert %1").arg(Counted(qsizetype(count), Noun::Cell)));
}

void CellCommands::revertToBaseline(const std::vector<TableCell> &selected)
{
    std::map<int, PendingRecord> reverted;
    std::size_t count = 0;
    for (const TableCell &cell : selected) {
        const EnemyRecord *baseline = BaselineRecord(session_, cell.enemy);
        if (!baseline || !IsEditable(*cell.column))
            continue;
        auto [found, first] = reverted.emplace(cell.enemy, session_.pendingOrStored(cell.enemy));
        const RecordCell part = *cell.column->cell;
        std::ranges::copy(baseline->bytes(part.offset(), part.width()),
                          found->second.target.bytes(part.offset(), part.width()).begin());
        if (const auto field = part.field())
            found->second.unparsed.erase(*field);
        ++count;
    }
    if (count > 0)
        session_.editPending(
            std::move(reverted),
            tr("Revert %1 to the baseline").arg(Counted(qsizetype(count), Noun::Cell)));
}

void CellCommands::edit(const std::vector<CellEdit> &texts, const QString &what,
                        const QString &whenRefused)
{
    if (texts.empty())
        return;
    auto edits = SetCells(texts, [this](int enemy) { return session_.pendingOrStored(enemy); });
    if (auto *refusals = std::get_if<std::vector<Refusal>>(&edits)) {
        refuse(whenRefused, *refusals);
        return;
    }
    session_.editPending(std::get<std::map<int, PendingRecord>>(std::move(edits)), what);
}

void CellCommands::refuse(const QString &what, const std::vector<Refusal> &refusals)
{
    QStringList lines;
    for (const Refusal &refusal : refusals)
        lines.append(ToQString(refusal.message()));
    emit refused(what + QStringLiteral(":\n\n") + lines.join(u'\n'));
}

} // namespace mobwright

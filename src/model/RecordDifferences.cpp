#include "RecordDifferences.h"

#include "GameText.h"
#include "FieldText.h"
#include "HexText.h"
#include "ListEntries.h"

#include <algorithm>

namespace mobwright {
namespace {

// Every field and uncovered byte, in record order.
std::vector<RecordCell> CellsInRecordOrder()
{
    std::vector<RecordCell> cells;
    for (int offset = 0; offset < ENEMY_RECORD_SIZE; offset += cells.back().width())
        cells.push_back(CellAt(offset));
    return cells;
}

std::string ValueText(const RecordCell &cell, const EnemyRecord &record)
{
    const std::optional<Field> field = cell.field();
    if (!field)
        return std::to_string(record.bytes(cell.offset(), 1)[0]);
    const FieldLayout &layout = LayoutOf(*field);
    switch (layout.encoding) {
    case Encoding::GameText:
        return GameText::Decode(record.bytes(layout.field));
    case Encoding::TextAddress:
        return FieldText(layout, record.bytes(layout.field));
    case Encoding::Number:
        return std::to_string(record.value(layout.field));
    default:
        return EntryNumber(layout.field, record.value(layout.field));
    }
}

RecordDifference Difference(int enemy, const RecordCell &cell, const EnemyRecord &baseline,
                            const EnemyRecord &current)
{
    RecordDifference difference{enemy, cell, ValueText(cell, baseline), ValueText(cell, current)};
    // Bytes past the name's end, or codes without a character, differ unseen.
    if (difference.baseline == difference.current) {
        difference.baseline = HexText(baseline.bytes(cell.offset(), cell.width()));
        difference.current = HexText(current.bytes(cell.offset(), cell.width()));
    }
    return difference;
}

} // namespace

std::vector<RecordDifference> RecordDifferences(const std::vector<EnemyRecord> &baseline,
                                                const std::vector<EnemyRecord> &current)
{
    static const std::vector<RecordCell> cells = CellsInRecordOrder();
    std::vector<RecordDifference> differences;
    const std::size_t count = std::min(baseline.size(), current.size());
    for (std::size_t enemy = 0; enemy < count; ++enemy) {
        for (const RecordCell &cell : cells) {
            const auto before = baseline[enemy].bytes(cell.offset(), cell.width());
            const auto now = current[enemy].bytes(cell.offset(), cell.width());
            if (!std::ranges::equal(before, now))
                differences.push_back(
                    Difference(static_cast<int>(enemy), cell, baseline[enemy], current[enemy]));
        }
    }
    return differences;
}

std::vector<std::string> DifferingParts(const EnemyRecord &before, const EnemyRecord &now)
{
    std::vector<std::string> parts;
    for (const RecordDifference &difference : RecordDifferences({before}, {now}))
        parts.push_back(CellName(difference.cell));
    return parts;
}

} // namespace mobwright

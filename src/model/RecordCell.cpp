#include "RecordCell.h"

#include "TableGeometry.h"

namespace mobwright {

RecordCell CellAt(int offset)
{
    for (const FieldLayout &layout : EnemyLayout) {
        if (offset >= layout.offset && offset < layout.offset + layout.width)
            return layout.field;
    }
    return UncoveredByte{offset};
}

const std::vector<RecordCell> &EveryCell()
{
    static const std::vector<RecordCell> cells = [] {
        std::vector<RecordCell> all;
        for (const FieldLayout &layout : EnemyLayout)
            all.emplace_back(layout.field);
        for (int offset = 0; offset < ENEMY_RECORD_SIZE; ++offset) {
            if (IsUncovered(offset))
                all.emplace_back(UncoveredByte{offset});
        }
        return all;
    }();
    return cells;
}

std::string CellName(const RecordCell &cell)
{
    if (const auto field = cell.field())
        return std::string(FieldName(*field));
    const KnownByte *known = KnownByteAt(cell.offset());
    return known ? std::string(known->title) : "Byte " + std::to_string(cell.offset());
}

std::uint32_t StoredValue(const EnemyRecord &record, const RecordCell &cell)
{
    const std::optional<Field> field = cell.field();
    return field ? record.value(*field) : record.bytes(cell.offset(), 1)[0];
}

} // namespace mobwright

#include "RecordDifferences.h"

#include "ASCIIControl.h"
#include "FieldText.h"
#include "HexText.h"
#include "ListEntries.h"
#include "PendingEdits.h"

#include <algorithm>

namespace mobwright {
namespace {

// What one difference compares: a field's shown bytes, or a single byte.
struct Place
{
    std::optional<Field> field;
    int offset;
    int width;
};

std::vector<Place> PlacesInRecordOrder()
{
    std::vector<Place> places;
    for (int offset = 0; offset < ENEMY_RECORD_SIZE;) {
        const auto layout =
            std::find_if(EnemyLayout.begin(), EnemyLayout.end(),
                         [offset](const FieldLayout &l) { return l.offset == offset; });
        if (layout == EnemyLayout.end()) {
            places.push_back({std::nullopt, offset, 1});
        } else {
            places.push_back({layout->field, offset, layout->width});
        }
        offset += places.back().width;
    }
    return places;
}

std::string ValueText(const Place &place, const EnemyRecord &record)
{
    if (!place.field)
        return std::to_string(record.bytes(place.offset, 1)[0]);
    const FieldLayout &layout = LayoutOf(*place.field);
    switch (layout.encoding) {
    case Encoding::GameText:
        return ASCIIControl::DecodeGameString(record.bytes(layout.field));
    case Encoding::TextAddress:
        return FieldText(layout, record.bytes(layout.field));
    case Encoding::Number:
        return std::to_string(record.value(layout.field));
    default:
        return EntryNumber(layout.field, record.value(layout.field));
    }
}

RecordDifference Difference(int enemy, const Place &place, const EnemyRecord &baseline,
                            const EnemyRecord &current)
{
    RecordDifference difference{enemy, place.field, place.offset, ValueText(place, baseline),
                                ValueText(place, current)};
    // Bytes past the name's end, or codes without a character, differ unseen.
    if (difference.baseline == difference.current) {
        difference.baseline = HexText(baseline.bytes(place.offset, place.width));
        difference.current = HexText(current.bytes(place.offset, place.width));
    }
    return difference;
}

} // namespace

std::vector<RecordDifference> RecordDifferences(const std::vector<EnemyRecord> &baseline,
                                                const std::vector<EnemyRecord> &current)
{
    static const std::vector<Place> places = PlacesInRecordOrder();
    std::vector<RecordDifference> differences;
    const std::size_t count = std::min(baseline.size(), current.size());
    for (std::size_t enemy = 0; enemy < count; ++enemy) {
        for (const Place &place : places) {
            const auto before = baseline[enemy].bytes(place.offset, place.width);
            const auto now = current[enemy].bytes(place.offset, place.width);
            if (!std::equal(before.begin(), before.end(), now.begin()))
                differences.push_back(
                    Difference(static_cast<int>(enemy), place, baseline[enemy], current[enemy]));
        }
    }
    return differences;
}

std::vector<std::string> DifferingParts(const EnemyRecord &before, const EnemyRecord &now)
{
    std::vector<std::string> parts;
    for (const RecordDifference &difference : RecordDifferences({before}, {now}))
        parts.push_back(CellName({difference.field, difference.offset}));
    return parts;
}

} // namespace mobwright

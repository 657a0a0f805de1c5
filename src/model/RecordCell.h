#pragma once

#include "EnemyLayout.h"
#include "EnemyRecord.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace mobwright {

// A byte of the record that no field covers, by its offset.
struct UncoveredByte
{
    int offset;

    bool operator==(const UncoveredByte &) const = default;
};

// A part of a record that is edited, compared and merged on its own: a
// field, or a byte that no field covers.
class RecordCell
{
public:
    constexpr RecordCell(Field field)
        : part_(field)
    {
    }
    constexpr RecordCell(UncoveredByte byte)
        : part_(byte)
    {
    }

    // The field, or nothing for an uncovered byte.
    constexpr std::optional<Field> field() const
    {
        const Field *field = std::get_if<Field>(&part_);
        return field ? std::optional(*field) : std::nullopt;
    }
    constexpr int offset() const
    {
        const Field *field = std::get_if<Field>(&part_);
        return field ? LayoutOf(*field).offset : std::get<UncoveredByte>(part_).offset;
    }
    constexpr int width() const
    {
        const Field *field = std::get_if<Field>(&part_);
        return field ? LayoutOf(*field).width : 1;
    }

    bool operator==(const RecordCell &) const = default;

private:
    std::variant<Field, UncoveredByte> part_;
};

// The field that covers offset, or the byte there when no field does.
RecordCell CellAt(int offset);
// Every field in record order, then every byte that no field covers.
const std::vector<RecordCell> &EveryCell();
// Its name as the user reads it: "Speed", "Pronoun", "Byte 57".
std::string CellName(const RecordCell &cell);

// The number a field or uncovered byte stores in record.
std::uint32_t StoredValue(const EnemyRecord &record, const RecordCell &cell);

} // namespace mobwright

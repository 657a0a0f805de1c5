#include "EnemyLayout.h"

#include "TableGeometry.h"

namespace mobwright {

std::string_view FieldName(Field field)
{
    std::string_view name = LayoutOf(field).label;
    while (!name.empty() && (name.back() == ' ' || name.back() == ':'))
        name.remove_suffix(1);
    return name;
}

bool IsUntouchedOffset(int recordOffset)
{
    for (const FieldLayout &layout : EnemyLayout) {
        if (recordOffset >= layout.offset && recordOffset < layout.offset + layout.width)
            return false;
    }
    return recordOffset >= 0 && recordOffset < ENEMY_RECORD_SIZE;
}

} // namespace mobwright

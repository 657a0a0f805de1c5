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

} // namespace mobwright

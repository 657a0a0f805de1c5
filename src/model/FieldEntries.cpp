#include "FieldEntries.h"

#include "TableGeometry.h"

#include <algorithm>

namespace mobwright {

LabelList FixedEntries(Field field)
{
    return EntriesOf(LayoutOf(field).list);
}

LabelList PsiArgumentLabels()
{
    const LabelList psi = PsiLabels();
    return psi.first(std::min<std::size_t>(psi.size(), MAX_ARGUMENT_ENTRIES));
}

LabelList ItemArgumentLabels()
{
    return ItemLabels().subspan(1);
}

int ArgumentEntryCount(ActionKind kind)
{
    switch (kind) {
    case ActionKind::Normal: return 1;
    case ActionKind::Psi: return static_cast<int>(PsiArgumentLabels().size());
    case ActionKind::Call: return ENEMY_COUNT;
    case ActionKind::Item: return static_cast<int>(ItemArgumentLabels().size());
    }
    return 0;
}

} // namespace mobwright

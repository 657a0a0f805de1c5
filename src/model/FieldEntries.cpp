#include "FieldEntries.h"

#include "TableGeometry.h"

#include <algorithm>

namespace mobwright {

LabelList FixedEntries(Field field)
{
    switch (field) {
    case Field::Type: return TypeLabels();
    case Field::InsidePic: return InsidePicLabels();
    case Field::OutsidePic: return OutsidePicLabels();
    case Field::Music: return MusicLabels();
    case Field::Order: return OrderLabels();
    case Field::Action1:
    case Field::Action2:
    case Field::Action3:
    case Field::Action4:
    case Field::FinalAction: return ActionLabels();
    case Field::ItemFreq: return ItemFreqLabels();
    case Field::Item: return ItemLabels();
    case Field::DeathSound: return DeathSoundLabels();
    default: return {};
    }
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

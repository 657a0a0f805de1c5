#include "ValueLists.h"

#include "LabelData.h"

#include <array>

namespace mobwright {

LabelList TypeLabels()
{
    return label_data::TYPE_LABELS.labels;
}
LabelList DeathSoundLabels()
{
    return label_data::DEATH_SOUND_LABELS.labels;
}
LabelList OrderLabels()
{
    return label_data::ORDER_LABELS.labels;
}
LabelList ItemFreqLabels()
{
    return label_data::ITEM_FREQ_LABELS.labels;
}
LabelList MusicLabels()
{
    return label_data::MUSIC_LABELS.labels;
}
LabelList InsidePicLabels()
{
    return label_data::INSIDE_PIC_LABELS.labels;
}
LabelList OutsidePicLabels()
{
    return label_data::OUTSIDE_PIC_LABELS.labels;
}
LabelList ItemLabels()
{
    return label_data::ITEM_LABELS.labels;
}
LabelList ActionLabels()
{
    return label_data::ACTION_LABELS.labels;
}
LabelList PsiLabels()
{
    return ActionLabels().subspan(FIRST_PSI_CODE);
}

LabelList EntriesOf(ValueList list)
{
    struct Entries
    {
        ValueList list;
        LabelList (*labels)();
    };
    static constexpr std::array<Entries, 9> Lists{{
        {ValueList::Type, TypeLabels},
        {ValueList::DeathSound, DeathSoundLabels},
        {ValueList::Order, OrderLabels},
        {ValueList::ItemFreq, ItemFreqLabels},
        {ValueList::Music, MusicLabels},
        {ValueList::InsidePic, InsidePicLabels},
        {ValueList::OutsidePic, OutsidePicLabels},
        {ValueList::Item, ItemLabels},
        {ValueList::Action, ActionLabels},
    }};
    for (const Entries &entries : Lists) {
        if (entries.list == list)
            return entries.labels();
    }
    return {};
}

} // namespace mobwright

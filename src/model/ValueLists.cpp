#include "ValueLists.h"

#include "LabelData.h"

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

} // namespace mobwright

#include "EnemyForm.h"

#include "GameText.h"
#include "FieldEntries.h"

namespace mobwright {
namespace {

int PositionOf(const FieldLayout &layout, const EnemyRecord &record)
{
    const auto stored = static_cast<std::int64_t>(record.value(layout.field));
    std::int64_t position = stored;
    if (layout.encoding == Encoding::Flag)
        return stored < std::ssize(FLAG_VALUES) ? static_cast<int>(stored) : KEEP_STORED;
    if (layout.encoding == Encoding::ListPositionPlus1)
        position = stored - 1;
    return position >= 0 && position < EntryCount(layout.field, record) ? static_cast<int>(position)
                                                                         : KEEP_STORED;
}

ControlValue ControlValueOf(const FieldLayout &layout, const EnemyRecord &record)
{
    switch (layout.encoding) {
    case Encoding::GameText:
        return {GameText::Decode(record.bytes(layout.field)), KEEP_STORED};
    case Encoding::Number:
    case Encoding::TextAddress: return {FieldText(layout, record.bytes(layout.field)), KEEP_STORED};
    default: break;
    }
    const int position = PositionOf(layout, record);
    const std::uint32_t stored = record.value(layout.field);
    const bool storesNoEntry = layout.encoding == Encoding::ListPositionPlus1 && stored == 0;
    if (position != KEEP_STORED || storesNoEntry)
        return {{}, position};
    return {"(stored value " + std::to_string(stored) + ")", position};
}

} // namespace

int EntryCount(Field field, const EnemyRecord &record)
{
    for (int slot = 0; slot < ACTION_SLOT_COUNT; ++slot) {
        if (field != ArgumentField(slot))
            continue;
        const std::optional<ActionKind> kind = KindOfAction(record.value(ActionField(slot)));
        return kind ? ArgumentEntryCount(*kind) : 0;
    }
    return static_cast<int>(FixedEntries(field).size());
}

bool ControlShowsStored(Field field, const EnemyRecord &record)
{
    const FieldLayout &layout = LayoutOf(field);
    const bool storesNoEntry = layout.encoding == Encoding::ListPositionPlus1 && record.value(field) == 0;
    return storesNoEntry || PositionOf(layout, record) != KEEP_STORED;
}

FormValues FormFromRecord(const EnemyRecord &record)
{
    FormValues form;
    for (const FieldLayout &layout : EnemyLayout)
        form[static_cast<std::size_t>(layout.field)] = ControlValueOf(layout, record);
    return form;
}

} // namespace mobwright

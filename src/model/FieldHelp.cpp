#include "FieldHelp.h"

#include "ActionKinds.h"
#include "EnemyForm.h"
#include "FieldText.h"
#include "GameText.h"
#include "ListValueText.h"

namespace mobwright {
namespace {

std::string Where(int offset, int width)
{
    if (width == 1)
        return "Byte " + std::to_string(offset) + " of the record.";
    return "Bytes " + std::to_string(offset) + "–" + std::to_string(offset + width - 1) +
           " of the record (" + std::to_string(width) + " bytes, low byte first).";
}

// What an argument holds for the action of its slot.
std::string ArgumentHolds(int slot, const EnemyRecord &record)
{
    const std::optional<ActionKind> kind = KindOfAction(record.value(ActionField(slot)));
    if (!kind)
        return "nothing this editor knows: its action has no entry";
    switch (*kind) {
    case ActionKind::Normal: return "nothing: not used by this action";
    case ActionKind::Psi: return "the PSI ability used";
    case ActionKind::Call: return "the enemy called";
    case ActionKind::Item: return "the item used";
    }
    return {};
}

std::string Accepts(const FieldLayout &layout, const EnemyRecord *record)
{
    switch (layout.encoding) {
    case Encoding::Number:
    case Encoding::TextAddress: return AcceptedText(layout);
    case Encoding::GameText:
        return "at most " + std::to_string(GameText::NAME_SIZE) + " characters: " + GameText::CharactersText();
    case Encoding::Flag:
    case Encoding::ListPosition:
    case Encoding::ListPositionPlus1: break;
    }
    // Only an argument's list depends on the record: on its slot's action.
    if (record || layout.list != ValueList::Argument)
        return ListAcceptedText(layout.field, record ? *record : EnemyRecord{}, NumberForm::Listed);
    return "0 (no entry) or an entry of the list its action offers";
}

} // namespace

std::string FieldHelp(Field field, const EnemyRecord *record)
{
    const FieldLayout &layout = LayoutOf(field);
    std::string help(layout.title);
    if (!layout.meaning.empty())
        help += ": " + std::string(layout.meaning);
    const auto slot = ArgumentSlot(field);
    if (slot && record)
        help += "; now " + ArgumentHolds(*slot, *record);
    return help + ". Accepts " + Accepts(layout, record) + ". " + Where(layout.offset, layout.width);
}

std::string ByteHelp(int offset)
{
    const KnownByte *known = KnownByteAt(offset);
    std::string help = known ? std::string(known->title) + ": " + std::string(known->meaning)
                             : "Byte " + std::to_string(offset) + ", which no field shows";
    return help + ". Accepts " + ByteAcceptedText() + ". " + Where(offset, 1);
}

} // namespace mobwright

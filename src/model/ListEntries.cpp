#include "ListEntries.h"

#include "EnemyForm.h"
#include "EnemyLabels.h"
#include "FieldEntries.h"
#include "HexText.h"

namespace mobwright {
namespace {

std::string Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

OfferedEntry Fixed(std::uint32_t stored, std::string_view label)
{
    return {stored, Trimmed(label), Trimmed(label)};
}

OfferedEntry LongEntry(std::uint32_t stored, ListEntry entry, const EntryNaming &naming)
{
    const std::string label =
        naming.longLabels ? naming.longLabels->label(entry)
                          : std::string(BuiltInLabels(entry.list)[std::size_t(entry.position)]);
    return {stored, Trimmed(label), Trimmed(NameInLabel(entry.list, entry.position, label))};
}

OfferedEntry EnemyEntry(std::uint32_t stored, int enemy, const EntryNaming &naming)
{
    if (!naming.enemyLabel)
        return {stored, EnemyNumber(enemy), {}};
    std::string label = naming.enemyLabel(enemy);
    const auto colon = label.find(": ");
    std::string name = colon == std::string::npos ? std::string() : label.substr(colon + 2);
    return {stored, Trimmed(label), Trimmed(name)};
}

// The entry at position of the field's list while record is shown.
OfferedEntry EntryAt(Field field, const EnemyRecord &record, const EntryNaming &naming, int position)
{
    const FieldLayout &layout = LayoutOf(field);
    const auto at = static_cast<std::size_t>(position);
    const auto stored =
        static_cast<std::uint32_t>(position + (layout.encoding == Encoding::ListPositionPlus1 ? 1 : 0));
    if (layout.encoding == Encoding::Flag)
        return Fixed(stored, FLAG_VALUES[at]);
    if (const auto slot = ArgumentSlot(field)) {
        switch (KindOfAction(record.value(ActionField(*slot))).value()) {
        case ActionKind::Normal: return {stored, {}, {}};
        case ActionKind::Psi: return Fixed(stored, PsiArgumentLabels()[at]);
        case ActionKind::Call: return EnemyEntry(stored, position, naming);
        case ActionKind::Item: return LongEntry(stored, {LongList::Item, position + 1}, naming);
        }
    }
    if (const auto list = LongListOf(field))
        return LongEntry(stored, {*list, position}, naming);
    return Fixed(stored, FixedEntries(field)[at]);
}

} // namespace

std::vector<OfferedEntry> OfferedEntries(Field field, const EnemyRecord &record,
                                         const EntryNaming &naming)
{
    const int count =
        LayoutOf(field).encoding == Encoding::Flag ? int(FLAG_VALUES.size()) : EntryCount(field, record);
    std::vector<OfferedEntry> entries;
    entries.reserve(static_cast<std::size_t>(count));
    for (int position = 0; position < count; ++position)
        entries.push_back(EntryAt(field, record, naming, position));
    return entries;
}

std::optional<OfferedEntry> StoredEntry(Field field, const EnemyRecord &record,
                                        const EntryNaming &naming)
{
    const std::uint32_t stored = record.value(field);
    const bool plus1 = LayoutOf(field).encoding == Encoding::ListPositionPlus1;
    if ((plus1 && stored == 0) || !ControlShowsStored(field, record))
        return std::nullopt;
    return EntryAt(field, record, naming, static_cast<int>(stored) - (plus1 ? 1 : 0));
}

bool NumbersInHex(Field field)
{
    return LayoutOf(field).list == ValueList::Music;
}

std::string EntryNumber(Field field, std::uint32_t stored)
{
    if (!NumbersInHex(field))
        return std::to_string(stored);
    const std::string digits = HexDigits(stored);
    return digits.size() < 2 ? "0" + digits : digits;
}

} // namespace mobwright

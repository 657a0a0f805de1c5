#pragma once

#include "EnemyLayout.h"
#include "ValueLists.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace mobwright {

// The lists whose entries the open image and the user can name.
enum class LongList { Action, Music, InsidePic, OutsidePic, Item };
inline constexpr std::array LONG_LISTS{LongList::Action, LongList::Music, LongList::InsidePic,
                                       LongList::OutsidePic, LongList::Item};

// The long list whose entries a field's control shows, if any.
std::optional<LongList> LongListOf(Field field);
// A field whose control shows the list (the first action slot for the actions).
Field FieldOf(LongList list);

// One entry of a long list.
struct ListEntry
{
    LongList list;
    int position;
    bool operator==(const ListEntry &) const = default;
};

// The list's data file, as "music_labels.txt".
std::string_view LabelFileName(LongList list);
LabelList BuiltInLabels(LongList list);

// Why label cannot stand at position in the list, or "" if it can: every
// label but an action's carries its number in the list's form.
std::string LabelFormProblem(LongList list, int position, std::string_view label);

// The name inside a label of the list's form.
std::string_view NameInLabel(LongList list, int position, std::string_view label);
// Whether a name only holds a place: "(unnamed)", "*Unknown" or nothing.
bool IsPlaceholderName(std::string_view name);

// label with its name replaced by name and tail (" +2", " β"), in the
// list's form; the name is cut to fit the list's name slot, the tail never.
std::string RenamedLabel(LongList list, int position, std::string_view label, std::string_view name,
                         std::string_view tail = {});

} // namespace mobwright

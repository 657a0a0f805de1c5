#pragma once

#include "EnemyRecord.h"
#include "FieldText.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace mobwright {

// What the control of one field holds.
struct ControlValue
{
    // Text boxes: their text. Lists and the check box: a note on a stored
    // value that they cannot show.
    std::string text;
    int position = -1; // lists: the selected position; check box: 0 or 1
};

// A position of -1 keeps the stored value: it marks a value that its control
// cannot show, and for the one-based fields also a stored 0.
inline constexpr int KEEP_STORED = -1;

using FormValues = std::array<ControlValue, FIELD_COUNT>;

// How each control shows record's fields.
FormValues FormFromRecord(const EnemyRecord &record);

// How many entries a list field's control offers while record is shown.
int EntryCount(Field field, const EnemyRecord &record);

// Whether the control of a list or flag field can show what record stores
// there; the actions stored decide what the argument lists hold.
bool ControlShowsStored(Field field, const EnemyRecord &record);

} // namespace mobwright

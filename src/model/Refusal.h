#pragma once

#include "EnemyLayout.h"

#include <optional>
#include <string>
#include <variant>

namespace mobwright {

// Why something the user gave is not taken: a field's text, a table's cell,
// row or whole file, a label file's line. Every check of user input tells
// its refusals this way, from the model up to the window and command line.
struct Refusal
{
    std::optional<Field> field;      // the record field at fault
    int row = 0;                     // the line or row of a file, from 1; 0 outside one
    std::string place;               // where else, in place of a row: "Enemy 006"
    std::string column;              // the table column at fault
    std::optional<std::string> text; // the text refused, which the message quotes
    std::string accepted;            // what would be taken, or why not

    // "The field "HP" cannot take "abc". It accepts …" for a field;
    // "Row 5, column "HP": cannot take "abc". It accepts …" in a table;
    // "Row 5: why." or "The file: why." when no text is quoted; a place
    // names where in place of the row: "Enemy 006, column "HP": …".
    std::string message() const;
};

// A value, or why it was refused.
template <typename T> using Checked = std::variant<T, Refusal>;

} // namespace mobwright

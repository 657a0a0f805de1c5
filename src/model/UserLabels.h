#pragma once

#include "LabelForms.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace mobwright {

// Why a user's label file cannot be used, and at which line (from 1).
struct LabelFileError
{
    int line;
    std::string reason;
};

// The labels of a user's file for the list: one a line, as many as the
// built-in list holds, each of the list's form.
std::variant<std::vector<std::string>, LabelFileError> ParseLabelFile(LongList list,
                                                                      std::string_view text);

} // namespace mobwright

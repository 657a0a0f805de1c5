#pragma once

#include "LabelForms.h"
#include "Refusal.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace mobwright {

// The labels of a user's file for the list: one a line, as many as the
// built-in list holds, each of the list's form; or why not, at which line.
Checked<std::vector<std::string>> ParseLabelFile(LongList list,
                                                                      std::string_view text);

} // namespace mobwright

#pragma once

#include <string_view>
#include <vector>

namespace mobwright {

// Splits UTF-8 text into its characters; a stray byte counts as one.
std::vector<std::string_view> Utf8Characters(std::string_view text);

} // namespace mobwright

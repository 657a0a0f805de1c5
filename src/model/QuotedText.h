#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mobwright {

// Typed text as a message quotes it: at most maxCharacters characters, then
// "…", so that a long paste cannot make a message too tall for the screen;
// characters that cannot be seen or told from a blank are shown by their code
// (U+00A0), and a byte that is no UTF-8 by its value (\xFF).
std::string QuotedForMessage(std::string_view text, std::size_t maxCharacters = 40);

} // namespace mobwright

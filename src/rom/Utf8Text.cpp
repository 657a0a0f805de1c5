#include "Utf8Text.h"

#include <algorithm>

namespace mobwright {
namespace {

// Length of the UTF-8 sequence that starts with lead; 1 for a stray byte.
std::size_t SequenceLength(unsigned char lead)
{
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    if (lead >= 0xE0)
        return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2)
        return 2;
    return 1;
}

bool IsContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

} // namespace

std::vector<std::string_view> Utf8Characters(std::string_view text)
{
    std::vector<std::string_view> characters;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t length = SequenceLength(static_cast<unsigned char>(text[i]));
        if (i + length > text.size() ||
            !std::all_of(text.begin() + i + 1, text.begin() + i + length,
                         [](char c) { return IsContinuation(static_cast<unsigned char>(c)); }))
            length = 1;
        characters.push_back(text.substr(i, length));
        i += length;
    }
    return characters;
}

} // namespace mobwright

#include "LabelForms.h"

#include "HexText.h"
#include "Utf8Text.h"

#include <array>
#include <cstdio>
#include <limits>

namespace mobwright {
namespace {

constexpr std::size_t ACTION_LABEL_WIDTH = 38;
// The outside-picture name slot is 25 characters; one stays blank before the number.
constexpr std::size_t OUTSIDE_NAME_SLOT = 25;
constexpr std::size_t OUTSIDE_NUMBER_WIDTH = 3;

std::string Hex2(int value)
{
    char text[3];
    std::snprintf(text, sizeof text, "%02X", value);
    return text;
}

// What every label of the list begins with at position.
std::string Prefix(LongList list, int position)
{
    switch (list) {
    case LongList::Music: return Hex2(position) + " - ";
    case LongList::InsidePic:
        return ZeroPadded(std::to_string(position), 3) +
               std::string(position < 10    ? 3
                           : position < 100 ? 2
                                            : 1,
                           ' ') +
               "- ";
    case LongList::Item: return std::to_string(position) + " - ";
    case LongList::Action:
    case LongList::OutsidePic:
        break;
    }
    return {};
}

// What an outside-picture label ends with: the stored value, position + 1.
std::string OutsideNumber(int position)
{
    return ZeroPadded(std::to_string(position + 1), OUTSIDE_NUMBER_WIDTH);
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The blanks between an outside-picture label's name and its number.
std::string_view OutsideGap(std::string_view label)
{
    const std::string_view head = label.substr(0, label.size() - OUTSIDE_NUMBER_WIDTH);
    std::size_t start = head.size();
    while (start > 0 && IsBlank(head[start - 1]))
        --start;
    return head.substr(start);
}

std::size_t CharacterCount(std::string_view text)
{
    return Utf8Characters(text).size();
}

std::size_t NameWidth(LongList list)
{
    switch (list) {
    case LongList::Action: return ACTION_LABEL_WIDTH;
    case LongList::OutsidePic: return OUTSIDE_NAME_SLOT - 1;
    default: return std::numeric_limits<std::size_t>::max();
    }
}

// name cut so that it and tail take at most width characters.
std::string Fitted(std::string_view name, std::string_view tail, std::size_t width)
{
    const std::size_t tailWidth = CharacterCount(tail);
    const auto characters = Utf8Characters(name);
    std::string text;
    for (std::size_t k = 0; k < characters.size() && k + tailWidth < width; ++k)
        text += characters[k];
    return text + std::string(tail);
}

// The lists the user and the image can name, with the file that names them.
struct LongListFacts
{
    LongList list;
    ValueList values;
    Field field; // the first field that shows it
    std::string_view fileName;
};

constexpr std::array<LongListFacts, LONG_LISTS.size()> LongListTable{{
    {LongList::Action, ValueList::Action, Field::Action1, "action_labels.txt"},
    {LongList::Music, ValueList::Music, Field::Music, "music_labels.txt"},
    {LongList::InsidePic, ValueList::InsidePic, Field::InsidePic, "inside_pic_labels.txt"},
    {LongList::OutsidePic, ValueList::OutsidePic, Field::OutsidePic, "outside_pic_labels.txt"},
    {LongList::Item, ValueList::Item, Field::Item, "item_labels.txt"},
}};

const LongListFacts &FactsOf(LongList list)
{
    return LongListTable[static_cast<std::size_t>(list)];
}

} // namespace

std::optional<LongList> LongListOf(Field field)
{
    for (const LongListFacts &facts : LongListTable) {
        if (facts.values == LayoutOf(field).list)
            return facts.list;
    }
    return std::nullopt;
}

Field FieldOf(LongList list)
{
    return FactsOf(list).field;
}

std::string_view LabelFileName(LongList list)
{
    return FactsOf(list).fileName;
}

LabelList BuiltInLabels(LongList list)
{
    return EntriesOf(FactsOf(list).values);
}

std::string LabelFormProblem(LongList list, int position, std::string_view label)
{
    if (list == LongList::Action) {
        if (CharacterCount(label) > ACTION_LABEL_WIDTH)
            return "is longer than " + std::to_string(ACTION_LABEL_WIDTH) + " characters";
        return {};
    }
    if (list == LongList::OutsidePic) {
        const std::string number = OutsideNumber(position);
        if (!label.ends_with(number) || OutsideGap(label).empty())
            return "does not end in a blank and " + number;
        return {};
    }
    const std::string prefix = Prefix(list, position);
    if (!label.starts_with(prefix))
        return "does not begin with \"" + prefix + "\"";
    return {};
}

std::string_view NameInLabel(LongList list, int position, std::string_view label)
{
    if (list != LongList::OutsidePic)
        return label.substr(Prefix(list, position).size());
    return label.substr(0, label.size() - OUTSIDE_NUMBER_WIDTH - OutsideGap(label).size());
}

bool IsPlaceholderName(std::string_view name)
{
    return name.empty() || name == "(unnamed)" || name == "*Unknown";
}

std::string RenamedLabel(LongList list, int position, std::string_view label, std::string_view name,
                         std::string_view tail)
{
    std::string text = Fitted(name, tail, NameWidth(list));
    if (list != LongList::OutsidePic)
        return Prefix(list, position) + text;
    // A gap that holds a tab is the list's own odd form for that entry; keep it.
    const std::string_view gap = OutsideGap(label);
    if (gap.find('\t') != std::string_view::npos)
        text += gap;
    else
        text.resize(OUTSIDE_NAME_SLOT + text.size() - CharacterCount(text), ' ');
    return text + OutsideNumber(position);
}

} // namespace mobwright

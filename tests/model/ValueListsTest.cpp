#include "ValueLists.h"

#include "LabelData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <iomanip>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace mobwright {
namespace {

constexpr std::string_view UPPER_HEX = "0123456789ABCDEF";
constexpr std::string_view UNNAMED = "(unnamed)";
constexpr std::size_t MAX_ACTION_LABEL = 38;
constexpr std::size_t OUTSIDE_PIC_NAME_COLUMN = 25;
// The one outside pic entry whose name is followed by a tab and nine blanks.
constexpr int TAB_PADDED_OUTSIDE_PIC = 174;
constexpr std::string_view TAB_GAP = "\t         ";

constexpr int NO_NUMBER = -1;

// A label taken apart into its number and name.
struct Entry
{
    int number = NO_NUMBER;
    std::string_view name;
    std::string problem; // how the label breaks its list's form; empty if it does not
};

Entry Broken(std::string problem)
{
    return {NO_NUMBER, {}, std::move(problem)};
}

// The value of digits, written in base (at most 16) with upper-case letters.
std::optional<int> Number(std::string_view digits, int base)
{
    const std::string_view allowed = UPPER_HEX.substr(0, base);
    if (digits.empty() || digits.find_first_not_of(allowed) != std::string_view::npos)
        return std::nullopt;
    int value = 0;
    for (const char c : digits)
        value = value * base + static_cast<int>(allowed.find(c));
    return value;
}

Entry SplitAction(std::string_view label)
{
    if (label.empty() || label.size() > MAX_ACTION_LABEL || Number(label.substr(0, 1), 10))
        return Broken("expected 1 to 38 characters and no number in front");
    return {NO_NUMBER, label, {}};
}

Entry SplitMusic(std::string_view label)
{
    std::optional<int> number;
    if (label.size() > 5 && label.substr(2, 3) == " - ")
        number = Number(label.substr(0, 2), 16);
    if (!number)
        return Broken("expected two upper-case hex digits, \" - \" and a name");
    return {*number, label.substr(5), {}};
}

// Blanks then "- ": three after a one-digit number, two after two digits, one after three.
std::string InsidePicGap(int number)
{
    return std::string(number < 10 ? 3 : number < 100 ? 2 : 1, ' ') + "- ";
}

Entry SplitInsidePic(std::string_view label)
{
    if (const auto number = label.size() > 3 ? Number(label.substr(0, 3), 10) : std::nullopt) {
        const std::string_view rest = label.substr(3);
        const std::string gap = InsidePicGap(*number);
        if (rest.starts_with(gap) && rest.size() > gap.size())
            return {*number, rest.substr(gap.size()), {}};
    }
    return Broken("expected three digits, one to three blanks as the number is wide, \"- \" and a "
                  "name");
}

// The name in front of the number, or "" when front is not a name padded with blanks.
std::string_view OutsidePicName(std::string_view front, int number)
{
    if (number == TAB_PADDED_OUTSIDE_PIC) {
        if (!front.ends_with(TAB_GAP))
            return {};
        front.remove_suffix(TAB_GAP.size());
    } else if (front.size() != OUTSIDE_PIC_NAME_COLUMN) {
        return {};
    }
    if (front.starts_with(' ') || front.find('\t') != std::string_view::npos)
        return {};
    return front.substr(0, front.find_last_not_of(' ') + 1);
}

Entry SplitOutsidePic(std::string_view label)
{
    std::optional<int> number;
    if (label.size() > 3)
        number = Number(label.substr(label.size() - 3), 10);
    const std::string_view name =
        number ? OutsidePicName(label.substr(0, label.size() - 3), *number) : std::string_view();
    if (name.empty())
        return Broken("expected a name padded with blanks to 25 characters (with a tab and nine "
                      "blanks before 174) and three digits");
    return {*number, name, {}};
}

Entry SplitItem(std::string_view label)
{
    const std::size_t dash = label.find(" - ");
    std::optional<int> number;
    if (dash != std::string_view::npos && (dash == 1 || label.front() != '0'))
        number = Number(label.substr(0, dash), 10);
    if (!number)
        return Broken("expected a number without leading zeros, \" - \" and the name");
    return {*number, label.substr(dash + 3), {}};
}

// A label list, where it comes from and the rule its entries follow.
struct ListForm
{
    LabelList labels;
    std::string_view file;
    Entry (*split)(std::string_view label);
    std::string_view placeholder;   // the name of every entry not named yet
    std::optional<int> firstNumber; // none when entries carry no number
};

ListForm Actions()
{
    return {ActionLabels(), label_data::ACTION_LABELS.file, SplitAction, "*Unknown", std::nullopt};
}
ListForm Music()
{
    return {MusicLabels(), label_data::MUSIC_LABELS.file, SplitMusic, UNNAMED, 0};
}
ListForm InsidePics()
{
    return {InsidePicLabels(), label_data::INSIDE_PIC_LABELS.file, SplitInsidePic, UNNAMED, 0};
}
ListForm OutsidePics()
{
    return {OutsidePicLabels(), label_data::OUTSIDE_PIC_LABELS.file, SplitOutsidePic, UNNAMED, 1};
}
ListForm Items()
{
    return {ItemLabels(), label_data::ITEM_LABELS.file, SplitItem, UNNAMED, 0};
}

using MakeList = ListForm (*)();
constexpr MakeList LONG_LISTS[] = {Actions, Music, InsidePics, OutsidePics, Items};

// The data file line of a label and the label itself, to open a failure message.
std::string At(const ListForm &list, std::size_t position)
{
    std::ostringstream out;
    out << list.file << ':' << position + 1 << ": " << std::quoted(list.labels[position]) << ": ";
    return out.str();
}

struct TellingRow
{
    MakeList list;
    std::size_t position;
    std::string_view label;
};

constexpr TellingRow TELLING_ROWS[] = {
    {Actions, 0, "No effect"},
    {Actions, 1, "No effect"},
    {Actions, 2, "No effect"},
    {Actions, 4, "Attack"},
    {Actions, 5, "Attack"},
    {Actions, 10, "PSI Special 1"},
    {Actions, 62, "Call for help"},
    {Actions, 245, "Enemy Extender"},
    {Music, 0x00, "00 - None"},
    {Music, 0x01, "01 - Gas station"},
    {Music, 0x04, "04 - None"},
    {Music, 0x06, "06 - Level up"},
    {Music, 0x16, "16 - Hospital"},
    {Music, 0x2F, "2F - (unnamed)"},
    {Music, 0x8A, "8A - Elevator up"},
    {InsidePics, 0, "000   - Invisible"},
    {InsidePics, 3, "003   - Frog"},
    {InsidePics, 5, "005   - (unnamed)"},
    {InsidePics, 19, "019  - Bat"},
    {InsidePics, 84, "084  - Crocodile"},
    {InsidePics, 104, "104 - Mighty Bear"},
    {OutsidePics, 0, "(unnamed)                001"},
    {OutsidePics, 173, "(unnamed)\t         174"},
    {OutsidePics, 439, "Invisible                440"},
    {OutsidePics, 441, "Hotel sign               442"},
    {OutsidePics, 442, "Camel                    443"},
    {OutsidePics, 461, "Big water ripple top     462"},
    {OutsidePics, 462, "Big water ripple bottom  463"},
    {Items, 0, "0 - Null"},
    {Items, 17, "17 - (unnamed)"},
    {Items, 88, "88 - Cookie"},
    {Items, 90, "90 - Hamburger"},
    {Items, 254, "254 - "},
    {Items, 255, "255 - "},
};

bool IsTellingRow(MakeList list, std::size_t position)
{
    return std::ranges::any_of(TELLING_ROWS, [&](const TellingRow &row) {
        return row.list == list && row.position == position;
    });
}

std::vector<std::string_view> Entries(LabelList labels)
{
    return {labels.begin(), labels.end()};
}

TEST(ValueLists, EveryListHasItsFixedLength)
{
    const struct
    {
        std::string_view name;
        LabelList labels;
        std::size_t count;
    } lists[] = {
        {"TypeLabels", TypeLabels(), 3},
        {"DeathSoundLabels", DeathSoundLabels(), 2},
        {"OrderLabels", OrderLabels(), 4},
        {"ItemFreqLabels", ItemFreqLabels(), 8},
        {"MusicLabels", MusicLabels(), 192},
        {"InsidePicLabels", InsidePicLabels(), 111},
        {"OutsidePicLabels", OutsidePicLabels(), 463},
        {"ItemLabels", ItemLabels(), 256},
        {"ActionLabels", ActionLabels(), 319},
        {"PsiLabels", PsiLabels(), 309},
    };
    for (const auto &list : lists)
        EXPECT_EQ(list.labels.size(), list.count) << list.name;
}

TEST(ValueLists, ShortListsReadInFull)
{
    using Labels = std::vector<std::string_view>;
    EXPECT_EQ(Entries(TypeLabels()), (Labels{"Normal", "Insect", "Metal"}));
    EXPECT_EQ(Entries(DeathSoundLabels()), (Labels{"Normal", "Boss"}));
    EXPECT_EQ(Entries(OrderLabels()),
              (Labels{"Random", "Random, Favor Third", "In Order", "Staggered Order"}));
    EXPECT_EQ(Entries(ItemFreqLabels()), (Labels{"1/128", "2/128", "4/128", "8/128", "16/128",
                                                 "32/128", "64/128", "128/128"}));
}

TEST(ValueLists, LongListEntriesFollowTheirListsForm)
{
    for (const MakeList make : LONG_LISTS) {
        const ListForm list = make();
        for (std::size_t p = 0; p < list.labels.size(); ++p) {
            const Entry entry = list.split(list.labels[p]);
            EXPECT_TRUE(entry.problem.empty()) << At(list, p) << entry.problem;
        }
    }
}

TEST(ValueLists, NumberedListsCountUpWithoutGap)
{
    for (const MakeList make : LONG_LISTS) {
        const ListForm list = make();
        if (!list.firstNumber)
            continue;
        int expected = *list.firstNumber;
        for (std::size_t p = 0; p < list.labels.size(); ++p) {
            // A label without its form is the form test's to report.
            const Entry entry = list.split(list.labels[p]);
            if (entry.problem.empty()) {
                EXPECT_EQ(entry.number, expected) << At(list, p) << "the numbers skip or repeat";
                expected = entry.number;
            }
            ++expected;
        }
    }
}

TEST(ValueLists, TellingRowsReadExactly)
{
    for (const TellingRow &row : TELLING_ROWS) {
        const ListForm list = row.list();
        ASSERT_LT(row.position, list.labels.size()) << list.file;
        EXPECT_EQ(list.labels[row.position], row.label) << At(list, row.position);
    }
}

// A name nobody has confirmed stays the placeholder rather than a guess.
TEST(ValueLists, OtherEntriesCarryThePlaceholderName)
{
    for (const MakeList make : LONG_LISTS) {
        const ListForm list = make();
        for (std::size_t p = 0; p < list.labels.size(); ++p) {
            if (!IsTellingRow(make, p)) {
                EXPECT_EQ(list.split(list.labels[p]).name, list.placeholder) << At(list, p);
            }
        }
    }
}

TEST(ValueLists, PsiLabelsAreActionCodes10To318)
{
    const LabelList actions = ActionLabels();
    const LabelList psi = PsiLabels();
    ASSERT_EQ(psi.size(), 309u);
    EXPECT_EQ(psi.data(), actions.data() + 10);
    EXPECT_EQ(psi.front(), "PSI Special 1");
    EXPECT_EQ(psi.front(), actions[10]);
    EXPECT_EQ(psi.back(), actions[318]);
}

} // namespace
} // namespace mobwright

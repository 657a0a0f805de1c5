#include "ValueLists.h"

#include "LabelData.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace mobwright;
using label_data::EmbeddedLabels;

namespace {

std::string Digits(int number, std::size_t width, int base = 10)
{
    std::string text;
    do {
        text.insert(text.begin(), "0123456789ABCDEF"[number % base]);
        number /= base;
    } while (number > 0);
    return std::string(width > text.size() ? width - text.size() : 0, '0') + text;
}

// A long list's form: the name its label at a position carries, and the
// label the form makes of that position and name.
struct LongList
{
    const EmbeddedLabels &data;
    std::string_view placeholder; // the name of every entry not named yet
    std::string_view (*name)(int position, std::string_view label);
    std::string (*label)(int position, std::string_view name);
};

std::string_view After(std::string_view label, std::size_t prefix)
{
    return label.substr(std::min(prefix, label.size()));
}

std::string InsideGap(int p)
{
    return std::string(p < 10 ? 3 : p < 100 ? 2 : 1, ' ') + "- ";
}

// The entry numbered 174 fills the gap after its name with a tab and nine blanks.
std::string OutsideLabel(int p, std::string_view name)
{
    std::string front(name);
    front += p + 1 == 174 ? "\t         " : std::string(25 > name.size() ? 25 - name.size() : 0, ' ');
    return front + Digits(p + 1, 3);
}

const std::vector<LongList> &LongLists()
{
    static const std::vector<LongList> lists{
        {label_data::ACTION_LABELS, "*Unknown", [](int, std::string_view l) { return l; },
         [](int, std::string_view n) { return std::string(n); }},
        {label_data::MUSIC_LABELS, "(unnamed)", [](int, std::string_view l) { return After(l, 5); },
         [](int p, std::string_view n) { return Digits(p, 2, 16) + " - " + std::string(n); }},
        {label_data::INSIDE_PIC_LABELS, "(unnamed)",
         [](int p, std::string_view l) { return After(l, 3 + InsideGap(p).size()); },
         [](int p, std::string_view n) { return Digits(p, 3) + InsideGap(p) + std::string(n); }},
        {label_data::OUTSIDE_PIC_LABELS, "(unnamed)",
         [](int, std::string_view l) {
             const auto front = l.substr(0, l.size() > 3 ? l.size() - 3 : 0);
             return front.substr(0, front.find_last_not_of(" \t") + 1);
         },
         OutsideLabel},
        {label_data::ITEM_LABELS, "(unnamed)",
         [](int p, std::string_view l) { return After(l, std::to_string(p).size() + 3); },
         [](int p, std::string_view n) { return std::to_string(p) + " - " + std::string(n); }},
    };
    return lists;
}

// Where a label comes from, to open a failure message.
std::string Line(const EmbeddedLabels &data, std::size_t position)
{
    return std::string(data.file) + ":" + std::to_string(position + 1) + ": \"" +
           std::string(data.labels[position]) + "\"";
}

struct TellingRow
{
    const EmbeddedLabels &data;
    std::size_t position;
    std::string_view label;
};

const std::vector<TellingRow> TellingRows{
    {label_data::ACTION_LABELS, 0, "No effect"},   {label_data::ACTION_LABELS, 1, "No effect"},
    {label_data::ACTION_LABELS, 2, "No effect"},   {label_data::ACTION_LABELS, 4, "Attack"},
    {label_data::ACTION_LABELS, 5, "Attack"},      {label_data::ACTION_LABELS, 10, "PSI Special 1"},
    {label_data::ACTION_LABELS, 62, "Call for help"}, {label_data::ACTION_LABELS, 245, "Enemy Extender"},
    {label_data::MUSIC_LABELS, 0x00, "00 - None"}, {label_data::MUSIC_LABELS, 0x01, "01 - Gas station"},
    {label_data::MUSIC_LABELS, 0x04, "04 - None"}, {label_data::MUSIC_LABELS, 0x06, "06 - Level up"},
    {label_data::MUSIC_LABELS, 0x16, "16 - Hospital"}, {label_data::MUSIC_LABELS, 0x8A, "8A - Elevator up"},
    {label_data::INSIDE_PIC_LABELS, 0, "000   - Invisible"}, {label_data::INSIDE_PIC_LABELS, 3, "003   - Frog"},
    {label_data::INSIDE_PIC_LABELS, 19, "019  - Bat"}, {label_data::INSIDE_PIC_LABELS, 84, "084  - Crocodile"},
    {label_data::INSIDE_PIC_LABELS, 104, "104 - Mighty Bear"},
    {label_data::OUTSIDE_PIC_LABELS, 439, "Invisible                440"},
    {label_data::OUTSIDE_PIC_LABELS, 441, "Hotel sign               442"},
    {label_data::OUTSIDE_PIC_LABELS, 442, "Camel                    443"},
    {label_data::OUTSIDE_PIC_LABELS, 461, "Big water ripple top     462"},
    {label_data::OUTSIDE_PIC_LABELS, 462, "Big water ripple bottom  463"},
    {label_data::ITEM_LABELS, 0, "0 - Null"},      {label_data::ITEM_LABELS, 88, "88 - Cookie"},
    {label_data::ITEM_LABELS, 90, "90 - Hamburger"}, {label_data::ITEM_LABELS, 254, "254 - "},
    {label_data::ITEM_LABELS, 255, "255 - "},
};

bool IsTellingRow(const EmbeddedLabels &data, std::size_t position)
{
    for (const TellingRow &row : TellingRows) {
        if (&row.data == &data && row.position == position)
            return true;
    }
    return false;
}

} // namespace

TEST(ValueLists, ListsHaveTheirLengthsAndShortOnesTheirEntries)
{
    using Labels = std::vector<std::string_view>;
    EXPECT_EQ(Labels(TypeLabels().begin(), TypeLabels().end()), (Labels{"Normal", "Insect", "Metal"}));
    EXPECT_EQ(Labels(DeathSoundLabels().begin(), DeathSoundLabels().end()), (Labels{"Normal", "Boss"}));
    EXPECT_EQ(Labels(OrderLabels().begin(), OrderLabels().end()),
              (Labels{"Random", "Random, Favor Third", "In Order", "Staggered Order"}));
    EXPECT_EQ(Labels(ItemFreqLabels().begin(), ItemFreqLabels().end()),
              (Labels{"1/128", "2/128", "4/128", "8/128", "16/128", "32/128", "64/128", "128/128"}));
    EXPECT_EQ(MusicLabels().size(), 192u);
    EXPECT_EQ(InsidePicLabels().size(), 111u);
    EXPECT_EQ(OutsidePicLabels().size(), 463u);
    EXPECT_EQ(ItemLabels().size(), 256u);
    EXPECT_EQ(ActionLabels().size(), 319u);
}

// Each label is rebuilt from its position, so a label out of form, out of
// order or with a number skipped or repeated shows as a difference.
TEST(ValueLists, EveryLongListEntryFollowsItsFormAndNumber)
{
    for (const LongList &list : LongLists()) {
        for (std::size_t p = 0; p < list.data.labels.size(); ++p) {
            const auto position = static_cast<int>(p);
            const std::string_view label = list.data.labels[p];
            EXPECT_EQ(list.label(position, list.name(position, label)), label) << Line(list.data, p);
        }
    }
    for (std::size_t p = 0; p < ActionLabels().size(); ++p) {
        const std::string_view label = ActionLabels()[p];
        EXPECT_TRUE(!label.empty() && label.size() <= 38 && !std::isdigit(static_cast<unsigned char>(label[0])))
            << Line(label_data::ACTION_LABELS, p) << ": 1 to 38 characters, no number in front";
    }
}

TEST(ValueLists, TellingRowsAreExactAndNoOtherNameIsGuessed)
{
    for (const TellingRow &row : TellingRows)
        EXPECT_EQ(row.data.labels[row.position], row.label) << row.data.file;
    for (const LongList &list : LongLists()) {
        for (std::size_t p = 0; p < list.data.labels.size(); ++p) {
            if (!IsTellingRow(list.data, p)) {
                EXPECT_EQ(list.name(static_cast<int>(p), list.data.labels[p]), list.placeholder)
                    << Line(list.data, p);
            }
        }
    }
}

TEST(ValueLists, PsiLabelsAreTheLabelsOfCodes10To318)
{
    ASSERT_EQ(PsiLabels().size(), 309u);
    EXPECT_EQ(PsiLabels().data(), ActionLabels().data() + 10);
    EXPECT_EQ(PsiLabels().front(), "PSI Special 1");
    EXPECT_EQ(PsiLabels().back(), ActionLabels()[318]);
}

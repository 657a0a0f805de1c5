#include "ValueLists.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace mobwright;

namespace {

std::string Printed(const char *format, int number)
{
    char text[8];
    std::snprintf(text, sizeof text, format, number);
    return text;
}

// A long list: its entry count and, for a position, what its label must
// start and end with; the name in between is the data file's own business.
struct LongList
{
    const char *name;
    LabelList labels;
    std::size_t count;
    std::string (*start)(int position);
    std::string (*end)(int position);
};

const LongList LongLists[]{
    {"music", MusicLabels(), 192, [](int p) { return Printed("%02X - ", p); },
     [](int) { return std::string(); }},
    {"inside pictures", InsidePicLabels(), 111,
     [](int p) {
         return Printed("%03d", p) + std::string(p < 10 ? 3 : p < 100 ? 2 : 1, ' ') + "- ";
     },
     [](int) { return std::string(); }},
    // The name is padded to 25 characters; the entry numbered 174 has a tab
    // and nine blanks after its name instead.
    {"outside pictures", OutsidePicLabels(), 463, [](int) { return std::string(); },
     [](int p) { return (p == 173 ? "\t         " : "") + Printed("%03d", p + 1); }},
    {"items", ItemLabels(), 256, [](int p) { return std::to_string(p) + " - "; },
     [](int) { return std::string(); }},
};

} // namespace

TEST(ValueLists, ShortListsHoldTheirEntries)
{
    using Labels = std::vector<std::string_view>;
    const auto all = [](LabelList list) { return Labels(list.begin(), list.end()); };
    EXPECT_EQ(all(TypeLabels()), (Labels{"Normal", "Insect", "Metal"}));
    EXPECT_EQ(all(DeathSoundLabels()), (Labels{"Normal", "Boss"}));
    EXPECT_EQ(all(OrderLabels()),
              (Labels{"Random", "Random, Favor Third", "In Order", "Staggered Order"}));
    EXPECT_EQ(all(ItemFreqLabels()), (Labels{"1/128", "2/128", "4/128", "8/128", "16/128", "32/128",
                                             "64/128", "128/128"}));
}

TEST(ValueLists, LongListsNumberEveryEntryInTheirForm)
{
    for (const LongList &list : LongLists) {
        ASSERT_EQ(list.labels.size(), list.count) << list.name;
        for (std::size_t p = 0; p < list.count; ++p) {
            const std::string_view label = list.labels[p];
            const std::string start = list.start(static_cast<int>(p)),
                              end = list.end(static_cast<int>(p));
            EXPECT_TRUE(label.starts_with(start) && label.ends_with(end) &&
                        label.size() >= start.size() + end.size())
                << list.name << " " << p << ": \"" << label << "\"";
            if (list.labels.data() == OutsidePicLabels().data()) {
                EXPECT_EQ(label.size(), p == 173 ? 22u : 28u) << label;
            }
        }
    }
    ASSERT_EQ(ActionLabels().size(), 319u);
    for (const std::string_view label : ActionLabels())
        EXPECT_TRUE(!label.empty() && label.size() <= 38 &&
                    !std::isdigit(static_cast<unsigned char>(label[0])))
            << "1 to 38 characters and no number in front: \"" << label << "\"";
    ASSERT_EQ(PsiLabels().size(), 309u);
    for (std::size_t row = 0; row < PsiLabels().size(); ++row)
        EXPECT_EQ(PsiLabels()[row], ActionLabels()[row + 10]) << row;
}

TEST(ValueLists, TellingRowsReadExactly)
{
    const struct
    {
        LabelList list;
        std::size_t position;
        std::string_view label;
    } rows[]{{ActionLabels(), 0, "No effect"},
             {ActionLabels(), 2, "No effect"},
             {ActionLabels(), 4, "Attack"},
             {ActionLabels(), 10, "PSI Special 1"},
             {ActionLabels(), 62, "Call for help"},
             {ActionLabels(), 245, "Enemy Extender"},
             {MusicLabels(), 0x00, "00 - None"},
             {MusicLabels(), 0x01, "01 - Gas station"},
             {MusicLabels(), 0x04, "04 - None"},
             {MusicLabels(), 0x06, "06 - Level up"},
             {MusicLabels(), 0x16, "16 - Hospital"},
             {MusicLabels(), 0x8A, "8A - Elevator up"},
             {InsidePicLabels(), 0, "000   - Invisible"},
             {InsidePicLabels(), 3, "003   - Frog"},
             {InsidePicLabels(), 19, "019  - Bat"},
             {InsidePicLabels(), 84, "084  - Crocodile"},
             {InsidePicLabels(), 104, "104 - Mighty Bear"},
             {OutsidePicLabels(), 439, "Invisible                440"},
             {OutsidePicLabels(), 441, "Hotel sign               442"},
             {OutsidePicLabels(), 442, "Camel                    443"},
             {OutsidePicLabels(), 461, "Big water ripple top     462"},
             {OutsidePicLabels(), 462, "Big water ripple bottom  463"},
             {ItemLabels(), 0, "0 - Null"},
             {ItemLabels(), 88, "88 - Cookie"},
             {ItemLabels(), 90, "90 - Hamburger"},
             {ItemLabels(), 254, "254 - "},
             {ItemLabels(), 255, "255 - "}};
    for (const auto &row : rows)
        EXPECT_EQ(row.list[row.position], row.label) << row.position;
}

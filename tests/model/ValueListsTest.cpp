#include "ValueLists.h"

#include <gtest/gtest.h>

using namespace mobwright;

static std::string Printed(const char *format, int number)
{
    char text[16];
    std::snprintf(text, sizeof text, format, number);
    return text;
}

// The labels at positions, or all, joined by "|".
static std::string Joined(LabelList list, std::vector<std::size_t> positions = {})
{
    std::string joined;
    for (std::size_t i = 0; i < (positions.empty() ? list.size() : positions.size()); ++i)
        joined += (i ? "|" : "") + std::string(list[positions.empty() ? i : positions[i]]);
    return joined;
}

TEST(ValueLists, ShortListsHoldTheirEntriesAndLongListsTheirTellingRows)
{
    EXPECT_EQ(Joined(TypeLabels()) + "|" + Joined(DeathSoundLabels()),
              "Normal|Insect|Metal|Normal|Boss");
    EXPECT_EQ(Joined(OrderLabels()), "Random|Random, Favor Third|In Order|Staggered Order");
    EXPECT_EQ(Joined(ItemFreqLabels()), "1/128|2/128|4/128|8/128|16/128|32/128|64/128|128/128");
    EXPECT_EQ(Joined(PsiLabels(), {0, 308}),
              Joined(ActionLabels(), {10, 318})); // the labels from code 10 on
    EXPECT_EQ(Joined(ActionLabels(), {0, 2, 4, 10, 62, 245}),
              "No effect|No effect|Attack|PSI Special 1|Call for help|Enemy Extender");
    EXPECT_EQ(Joined(MusicLabels(), {0x00, 0x01, 0x04, 0x06, 0x16, 0x8A}),
              "00 - None|01 - Gas station|04 - None|06 - Level up|16 - Hospital|8A - Elevator up");
    EXPECT_EQ(Joined(InsidePicLabels(), {0, 3, 19, 84, 104}),
              "000   - Invisible|003   - Frog|019  - Bat|084  - Crocodile|104 - Mighty Bear");
    EXPECT_EQ(
        Joined(OutsidePicLabels(), {439, 441, 442, 461, 462}),
        "Invisible                440|Hotel sign               442|Camel                    443|"
        "Big water ripple top     462|Big water ripple bottom  463");
    EXPECT_EQ(Joined(ItemLabels(), {0, 88, 90, 254, 255}),
              "0 - Null|88 - Cookie|90 - Hamburger|254 - |255 - ");
}

// Each label has its list's form for its position; the names are the data files' business.
TEST(ValueLists, LongListsNumberEveryEntryInTheirForm)
{
    const auto expectForm = [](LabelList list, std::size_t count, auto fits) {
        ASSERT_EQ(list.size(), count);
        for (std::size_t p = 0; p < count; ++p)
            EXPECT_TRUE(fits(static_cast<int>(p), list[p]))
                << count << " entries, " << p << ": \"" << list[p] << "\"";
    };
    expectForm(MusicLabels(), 192, [](int p, std::string_view label) {
        return label.starts_with(Printed("%02X - ", p));
    });
    expectForm(InsidePicLabels(), 111, [](int p, std::string_view label) {
        return label.starts_with(Printed("%03d", p) + std::string(3 - (p >= 10) - (p >= 100), ' ') +
                                 "- ");
    });
    // Names padded to 25 characters; number 174 has a tab and nine blanks after its name.
    expectForm(OutsidePicLabels(), 463, [](int p, std::string_view label) {
        return label.ends_with((p == 173 ? "\t         " : "") + Printed("%03d", p + 1)) &&
               label.size() == (p == 173 ? 22u : 28u);
    });
    expectForm(ItemLabels(), 256, [](int p, std::string_view label) {
        return label.starts_with(std::to_string(p) + " - ");
    });
    EXPECT_EQ(PsiLabels().size(), 309u);
}

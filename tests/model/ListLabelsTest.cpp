#include "ListLabels.h"
#include "RecordStore.h"
#include "RomFile.h"
#include "TestImage.h"
#include "UserLabels.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace mobwright;
using mobwright::test::TestImage;

namespace {

constexpr int OUTSIDE = 30, MUSIC = 55, ACTION1 = 70, FINAL_ACTION = 78;

void SetItem(TestImage &image, int number, const std::string &name, int action)
{
    const std::uint32_t entry =
        image.imageOffset(0x155200) + 39 * static_cast<std::uint32_t>(number);
    image.setGameText(entry, name);
    image.setBytes(entry + 29, std::vector<std::uint8_t>{static_cast<std::uint8_t>(action), 0});
}

// An image naming items and abilities, whose enemies share pictures, tracks and actions.
void Craft(TestImage &image, std::uint8_t psiLevel)
{
    SetItem(image, 1, "Apple  ", 0);
    SetItem(image, 2, "P\x01", 0); // a byte without a character
    SetItem(image, 88, "Bread", 0);
    SetItem(image, 253, std::string(25, 'Z'), 0);
    for (int k = 3; k < 7; ++k)
        SetItem(image, k, k == 3 ? "" : "Cookie", 150);
    image.setGameText(image.imageOffset(0x158F7A) + 25, "PSI Spark");
    image.setGameText(image.imageOffset(0x158F7A) + 50, "PSI Fire");
    // Two abilities perform action 20: the first names it.
    for (const auto &[entry, name, level, action] :
         {std::tuple{1, 2, psiLevel, 20}, {2, 3, 1, 20}, {3, 3, 1, 21}})
        image.setBytes(image.imageOffset(0x158C50) + 15 * entry,
                       std::vector<std::uint8_t>{std::uint8_t(name), std::uint8_t(level), 0, 0,
                                                 std::uint8_t(action), 0});
    const std::string names[] = {"Marsh Hopper", "Rat", "Bat", std::string(25, 'W'), "Cat"};
    for (int k = 0; k < 5; ++k) {
        image.setName(k, names[k]);
        image.setRecordBytes(k, OUTSIDE, {static_cast<std::uint8_t>(k < 3 ? 8 : 10), 0});
        image.setRecordBytes(k, MUSIC, {0x20});
        image.setRecordBytes(k, ACTION1, {20, 0, 4, 0, 30});
    }
    image.setRecordBytes(3, 28, {3, 0}); // "Frog" keeps its name
    image.setRecordBytes(4, FINAL_ACTION, {200});
}

ListLabels LabelsOf(const TestImage &image)
{
    RomFile rom = RomFile::open(image.path());
    ListLabels labels;
    labels.takeImage(ReadImageNames(rom), ReadAllRecords(rom));
    return labels;
}

TEST(ImageLabels, NameEntriesInPrecedenceAndFollowAnApply)
{
    for (const std::uint64_t size : {test::MIN_IMAGE_SIZE, test::HEADERLESS_IMAGE_SIZE}) {
        SCOPED_TRACE(size);
        TestImage image(size);
        Craft(image, 2);
        ListLabels labels = LabelsOf(image);
        // An empty label stands for the built-in one.
        const std::tuple<LongList, int, std::string> cases[] = {
            // clang-format off
            {LongList::Item, 0, "0 - Null"}, {LongList::Item, 1, "1 - Apple"}, {LongList::Item, 2, ""},
            {LongList::Item, 88, "88 - Bread"}, {LongList::Item, 253, "253 - " + std::string(25, 'Z')},
            {LongList::Item, 254, "254 - "}, {LongList::Action, 150, "Use: Cookie +3"},
            {LongList::Action, 20, "PSI Spark β"}, {LongList::Action, 21, "PSI Fire α"},
            {LongList::Action, 30, "(Marsh Hopper +4)"}, {LongList::Action, 200, "(Cat)"}, {LongList::Action, 31, ""},
            {LongList::Music, 0x20, "20 - (Marsh Hopper +4)"}, {LongList::InsidePic, 3, "003   - Frog"},
            {LongList::OutsidePic, 7, "(Marsh Hopper +2)        008"},
            {LongList::OutsidePic, 9, "(" + std::string(19, 'W') + " +1) 010"}, {LongList::OutsidePic, 10, ""},
            // clang-format on
        };
        for (const auto &[list, position, label] : cases)
            EXPECT_EQ(labels.label({list, position}),
                      label.empty() ? BuiltInLabels(list)[static_cast<std::size_t>(position)]
                                    : label);

        // An apply moves Rat to another picture.
        std::vector<std::uint8_t> record = image.recordBytes(1);
        record[OUTSIDE] = 11;
        labels.recordStored(1,
                            EnemyRecord::fromBytes(std::span(record).first<ENEMY_RECORD_SIZE>()));
        EXPECT_EQ(labels.label({LongList::OutsidePic, 7}), "(Marsh Hopper +1)        008");
        EXPECT_EQ(labels.label({LongList::OutsidePic, 10}), "(Rat)                    011");

        labels.forgetImage();
        EXPECT_EQ(labels.label({LongList::Item, 88}), "88 - Cookie");
        EXPECT_EQ(labels.label({LongList::OutsidePic, 7}), BuiltInLabels(LongList::OutsidePic)[7]);

        // A name in the user's file wins over the image's, except for the
        // names of the items the image's table has.
        ListLabels named = LabelsOf(image);
        std::vector<std::string> items = named.baseLabels(LongList::Item);
        items[88] = "88 - Biscuit";
        items[254] = "254 - Biscuit";
        named.setBase(LongList::Item, items);
        EXPECT_EQ(named.label({LongList::Item, 88}), "88 - Bread");
        EXPECT_EQ(named.label({LongList::Item, 254}), "254 - Biscuit");
    }
}

// Who uses an entry counts every field that takes its list: the five action
// fields, the pictures, the music and the item.
TEST(ImageLabels, AnEntrysUsersAreTheEnemiesWhoseFieldsTakeIt)
{
    TestImage image;
    Craft(image, 2);
    const ListLabels labels = LabelsOf(image);
    const std::vector<int> crafted{0, 1, 2, 3, 4};
    std::vector<int> everyone(ENEMY_COUNT);
    std::iota(everyone.begin(), everyone.end(), 0);
    const std::pair<ListEntry, std::vector<int>> cases[] = {
        {{LongList::Action, 20}, crafted},        {{LongList::Action, 30}, crafted},
        {{LongList::Action, 200}, {4}},           {{LongList::Music, 0x20}, crafted},
        {{LongList::OutsidePic, 7}, {0, 1, 2}},   {{LongList::InsidePic, 3}, {3}},
        {{LongList::Item, 0}, everyone},          {{LongList::Music, 0x21}, {}},
    };
    for (const auto &[entry, users] : cases)
        EXPECT_EQ(labels.users(entry), users) << int(entry.list) << " " << entry.position;
}

TEST(ImageLabels, AbilityTableOutOfRangeIsNotUsed)
{
    TestImage image;
    Craft(image, 6);
    EXPECT_EQ(LabelsOf(image).label({LongList::Action, 20}), "(Marsh Hopper +4)");
}

// The built-in list's text, extraLines longer, with one line replaced.
std::string Edited(LongList list, std::size_t line, const std::string &label, int extraLines)
{
    std::string text;
    const LabelList builtIn = BuiltInLabels(list);
    for (std::size_t k = 0; k < builtIn.size() + extraLines; ++k)
        text += (k + 1 == line ? label : std::string(builtIn[k % builtIn.size()])) + "\n";
    return text;
}

TEST(UserLabelFile, ReplacesTheListOrSaysWhichLineFailsAndWhy)
{
    // An empty reason: the file is used.
    const std::tuple<LongList, int, std::string, int, std::string> cases[] = {
        // clang-format off
        {LongList::InsidePic, 4, "003   - Toad", 0, ""},
        {LongList::Music, 3, "02 - Town", 0, ""},
        {LongList::Music, 1, "\xEF\xBB\xBF" "00 - Gym", 0, ""}, // a byte-order mark first
        {LongList::Music, 3, "04 - Town", 0, "the label does not begin with \"02 - \""},
        {LongList::OutsidePic, 2, "Sign 003", 0, "the label does not end in a blank and 002"},
        {LongList::Action, 9, std::string(39, 'x'), 0, "the label is longer than 38 characters"},
        {LongList::Item, 256, "", -1, "255 labels, 256 expected"},
        {LongList::Item, 257, "", 1, "more than 256 labels"},
        // clang-format on
    };
    for (const auto &[list, line, label, extraLines, reason] : cases) {
        const auto parsed = ParseLabelFile(list, Edited(list, line, label, extraLines));
        if (reason.empty()) {
            ASSERT_TRUE(std::holds_alternative<std::vector<std::string>>(parsed)) << label;
            ListLabels labels;
            labels.setBase(list, std::get<std::vector<std::string>>(parsed));
            const std::string shown = labels.label({list, line - 1});
            EXPECT_TRUE(label == shown || label == "\xEF\xBB\xBF" + shown) << label;
        } else {
            ASSERT_TRUE(std::holds_alternative<Refusal>(parsed)) << label;
            EXPECT_EQ(std::get<Refusal>(parsed).row, line);
            EXPECT_EQ(std::get<Refusal>(parsed).accepted, reason);
        }
    }
}

} // namespace

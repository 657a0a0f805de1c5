#include "ByteEdit.h"
#include "ByteMap.h"

#include <gtest/gtest.h>

using namespace mobwright;

// Each byte is named by the one field of the layout that covers it, at its
// place in that field, or marked as covered by none.
TEST(ByteMap, NamesEveryByteByTheOneFieldThatCoversIt)
{
    ASSERT_EQ(ByteMap().size(), std::size_t(ENEMY_RECORD_SIZE));
    int uncovered = 0;
    for (int offset = 0; offset < ENEMY_RECORD_SIZE; ++offset) {
        std::vector<const FieldLayout *> covering;
        for (const FieldLayout &layout : EnemyLayout) {
            if (offset >= layout.offset && offset < layout.offset + layout.width)
                covering.push_back(&layout);
        }
        ASSERT_LE(covering.size(), 1u) << "byte " << offset;
        const MappedByte &byte = ByteMap()[std::size_t(offset)];
        EXPECT_EQ(byte.covered(), !covering.empty()) << "byte " << offset;
        if (covering.empty()) {
            ++uncovered;
            EXPECT_EQ(byte.cell, RecordCell(UncoveredByte{offset}));
            continue;
        }
        EXPECT_EQ(byte.cell, RecordCell(covering.front()->field)) << "byte " << offset;
        EXPECT_EQ(byte.place, offset - covering.front()->offset);
    }
    EXPECT_EQ(uncovered, 16);
}

// A byte typed over the record edits the field that covers it, or is
// refused with that field's reason.
TEST(ByteMap, AByteTypedEditsItsFieldOrIsRefusedAsTheFieldRefusesIt)
{
    EnemyRecord stored;
    stored.setValue(Field::HP, 0x0102);
    std::ranges::copy(std::string_view("\x71\x72\x00\x05", 4), stored.bytes(Field::Name).begin());
    const PendingRecord unedited{stored, stored, {}};
    struct Case
    {
        int offset;
        std::uint8_t value;
        RecordCell cell;
        std::uint32_t expected; // the cell's value after the edit
    };
    for (const Case &edit : std::vector<Case>{{34, 0x30, Field::HP, 0x3002},
                                              {47, 0xC1, Field::StartText, 0xC10000},
                                              {27, 2, Field::Type, 2},
                                              {57, 0xFF, UncoveredByte{57}, 0xFF},
                                              {3, 0x71, Field::Name, 0}}) {
        const auto checked = WithByte(unedited, edit.offset, edit.value);
        ASSERT_TRUE(std::holds_alternative<PendingRecord>(checked)) << std::get<Refusal>(checked).message();
        const PendingRecord &pending = std::get<PendingRecord>(checked);
        EXPECT_EQ(pending.target.allBytes()[std::size_t(edit.offset)], edit.value);
        EXPECT_TRUE(pending.edits(edit.cell)) << edit.offset;
        EXPECT_EQ(pending.editCount(), 1);
        if (edit.cell != RecordCell(Field::Name)) {
            EXPECT_EQ(StoredValue(pending.target, edit.cell), edit.expected);
        }
    }
    // The name's bytes after its end stay as they were.
    EXPECT_EQ(std::get<PendingRecord>(WithByte(unedited, 3, 0x71)).target.allBytes()[4], 5);

    const auto type = WithByte(unedited, 27, 9);
    ASSERT_TRUE(std::holds_alternative<Refusal>(type));
    EXPECT_EQ(std::get<Refusal>(type).field, Field::Type);
    EXPECT_EQ(std::get<Refusal>(type).text, "9");
    const auto name = WithByte(unedited, 1, 0x05);
    ASSERT_TRUE(std::holds_alternative<Refusal>(name));
    EXPECT_EQ(std::get<Refusal>(name).message().substr(0, 34), "The field \"Name\" cannot take \"05\".");

    EXPECT_EQ(ParseHexByte("$7f"), 0x7F);
    EXPECT_EQ(ParseHexByte("A"), 0x0A);
    for (const char *bad : {"", "$", "100", "-1", "g0", "0x"})
        EXPECT_EQ(ParseHexByte(bad), std::nullopt) << bad;
}

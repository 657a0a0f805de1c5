#include "FieldText.h"

#include <gtest/gtest.h>

using namespace mobwright;
using enum Field;

TEST(FieldText, ShowsStoredBytesAndTakesTypedTextThatFits)
{
    const std::tuple<Field, std::vector<std::uint8_t>, const char *> shown[]{
        {Level, {255}, "255"},
        {HP, {0x40, 0x9C}, "40000"},
        {Exp, {0xFF, 0xFF, 0xFF, 0xFF}, "4294967295"},
        {StartText, {0xCD, 0xAB, 0xC5, 0x07}, "C5ABCD"}};
    for (const auto &[field, bytes, text] : shown)
        EXPECT_EQ(FieldText(LayoutOf(field), bytes), text);
    const std::tuple<Field, const char *, std::int64_t> typed[]{
        // -1: refused
        {Level, " +007\t", 7},    {Level, "256", -1},        {Level, "-1", -1},
        {HP, "-32768", 0x8000},   {HP, "65536", -1},         {HP, "-32769", -1},
        {Exp, "-1", 0xFFFFFFFF},  {Exp, "9999999999", -1},   {HP, "", -1},
        {HP, "1.5", -1},          {HP, "0x10", -1},          {HP, "1 2", -1},
        {HP, "\xEF\xBC\x91", -1}, {StartText, " ab ", 0xAB}, {StartText, "1234567", -1},
        {StartText, "12G4", -1}};
    for (const auto &[field, text, stored] : typed) {
        const auto parsed = ParseFieldText(LayoutOf(field), text);
        EXPECT_EQ(parsed ? std::int64_t{*parsed} : -1, stored) << text;
    }
}

TEST(FieldText, RefusalsNameTheFieldTheTextAndWhatItTakes)
{
    EXPECT_EQ((Refusal{.field = HP, .text = "70000", .accepted = AcceptedText(LayoutOf(HP))}.message()),
              "The field \"HP\" cannot take \"70000\". It accepts a whole number from 0 to 65535; "
              "negatives down to -32768 are taken too, counting back from 65536.");
    EXPECT_EQ(std::string(FieldName(Exp)) + "|" + std::string(FieldName(TheFlag)),
              "Exp|'The' Flag");
    const std::pair<const char *, const char *> names[]{
        {"Big Pile of Puke! $1,000.", "(taken)"},
        {"zzzzzzzzzzzzzzzzzzzzzzzzzz", "at most 25 characters"},
        {"1/128", "\"/\""},
        {"Caf\xC3\xA9", "\"\xC3\xA9\""}};
    for (const auto &[name, why] : names)
        EXPECT_NE(NameRefusal(name).value_or(Refusal{.accepted = "(taken)"}).accepted.find(why), std::string::npos) << name;
}

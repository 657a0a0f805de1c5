#include "EditorHarness.h"
#include "EnemyLayout.h"
#include "TestImage.h"

#include <QTest>

using namespace mobwright;
using namespace mobwright::test;

namespace {

struct TextField
{
    const char *control;
    const char *name;
    std::vector<const char *> refused;
    std::vector<const char *> accepted;
};

const std::vector<const char *> NotANumber{"", "   ", "abc", "1.5", "1,5", "0x1F", "1F", "12 3", "- 1"};

TextField ByteField(const char *control, const char *name)
{
    auto refused = NotANumber;
    refused.insert(refused.end(), {"-1", "256"});
    return {control, name, refused, {"0", "255", " 7 "}};
}

TextField WordField(const char *control, const char *name)
{
    auto refused = NotANumber;
    refused.insert(refused.end(), {"-32769", "65536"});
    return {control, name, refused, {"-32768", "0", "65535"}};
}

TextField AddressField(const char *control, const char *name)
{
    return {control, name, {"", "  ", "GHIJKL", "12G4", "1234567", "-1", "1.5", "0x12"}, {"0", "FFFFFF", "abc"}};
}

std::vector<TextField> TextFields()
{
    std::vector<TextField> fields;
    for (const auto &[control, name] : std::vector<std::pair<const char *, const char *>>{
             {"txtPal", "Palette"}, {"txtLevel", "Level"}, {"txtOffense", "Offense"},
             {"txtDefense", "Defense"}, {"txtSpeed", "Speed"}, {"txtGuts", "Guts"}, {"txtIQ", "IQ"},
             {"txtRate", "Miss Rate"}, {"txtStatus", "Satus"}, {"txtMaxCall", "Max Call"}})
        fields.push_back(ByteField(control, name));
    for (const auto &[control, name] : std::vector<std::pair<const char *, const char *>>{
             {"txtHP", "HP"}, {"txtPP", "PP"}, {"txtMoney", "Money"}, {"txtMove", "Movement"}})
        fields.push_back(WordField(control, name));
    auto exp = NotANumber;
    exp.insert(exp.end(), {"-2147483649", "4294967296", "99999999999999999999"});
    fields.push_back({"txtExp", "Exp.", exp, {"-2147483648", "0", "4294967295"}});
    fields.push_back(AddressField("txtStart", "Start Text"));
    fields.push_back(AddressField("txtDeath", "Death Text"));
    fields.push_back({"txtName", "Name", {"Caf\xC3\xA9", "1/2", "a\tb", "\xE2\x82\xAC", "\"q\""},
                      {"", "Boss", "Big Pile of Puke! $1,000."}});
    return fields;
}

class BadInputTest : public testing::TestWithParam<TextField>
{
protected:
    BadInputTest()
    {
        image_.fillRandom(31);
        editor_.loadRom(QString::fromStdString(image_.path()));
        editor_.choose("cmbEnemy(0)", 12);
    }

    TestImage image_;
    EditorHarness editor_;
};

} // namespace

TEST_P(BadInputTest, EveryBadTextIsRefusedByNameAndWritesNothing)
{
    const TextField &field = GetParam();
    const auto before = image_.contents();
    for (const char *text : field.refused) {
        editor_.type(field.control, QString::fromUtf8(text));
        editor_.clickApply();
        const QStringList messages = editor_.takeMessages();
        ASSERT_EQ(messages.size(), 1) << '"' << text << '"';
        EXPECT_TRUE(messages[0].startsWith(QStringLiteral("The field \"%1\"").arg(field.name)))
            << messages[0].toStdString();
        ASSERT_TRUE(image_.contents() == before) << '"' << text << '"';
    }
}

TEST_P(BadInputTest, EveryBoundaryValueIsAccepted)
{
    const TextField &field = GetParam();
    for (const char *text : field.accepted) {
        editor_.type(field.control, QString::fromUtf8(text));
        editor_.clickApply();
        EXPECT_TRUE(editor_.takeMessages().isEmpty()) << '"' << text << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(TextFields, BadInputTest, testing::ValuesIn(TextFields()),
                         [](const testing::TestParamInfo<TextField> &info) { return std::string(info.param.control); });

TEST(NameInput, CannotBeTypedLongerThanTheNameField)
{
    TestImage image;
    EditorHarness editor;
    editor.loadRom(QString::fromStdString(image.path()));
    editor.edit("txtName")->clear();
    QTest::keyClicks(editor.edit("txtName"), QString(30, 'x'));
    EXPECT_EQ(editor.edit("txtName")->text(), QString(25, 'x'));
}

#include "EditorHarness.h"
#include "QuotedText.h"
#include "EnemyLayout.h"
#include "TestImage.h"

#include <QApplication>
#include <QTabBar>
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
    int page = 0; // where the field is shown, in the order of the tabs
};

const std::vector<const char *> NotANumber{"", "   ", "abc", "1.5", "1,5", "0x1F", "1F", "12 3", "- 1"};

std::vector<const char *> NumberOutside(std::initializer_list<const char *> ends)
{
    auto refused = NotANumber;
    refused.insert(refused.end(), ends);
    return refused;
}

std::vector<TextField> TextFields()
{
    const auto bytes = NumberOutside({"-1", "256"});
    const auto words = NumberOutside({"-32769", "65536"});
    const std::vector<const char *> byteEnds{"0", "255", " 7 "};
    const std::vector<const char *> wordEnds{"-32768", "0", "65535"};
    const std::vector<const char *> badAddresses{"", "  ", "GHIJKL", "12G4", "1234567", "-1", "1.5", "0x12"};
    const std::vector<const char *> addresses{"0", "FFFFFF", "abc"};
    return {
        {"txtPal", "Palette", bytes, byteEnds, 2},       {"txtLevel", "Level", bytes, byteEnds},
        {"txtOffense", "Offense", bytes, byteEnds},      {"txtDefense", "Defense", bytes, byteEnds},
        {"txtSpeed", "Speed", bytes, byteEnds},          {"txtGuts", "Guts", bytes, byteEnds},
        {"txtIQ", "IQ", bytes, byteEnds},                {"txtRate", "Miss Rate", bytes, byteEnds},
        {"txtStatus", "Satus", bytes, byteEnds},         {"txtMaxCall", "Max Call", bytes, byteEnds, 1},
        {"txtHP", "HP", words, wordEnds},                {"txtPP", "PP", words, wordEnds},
        {"txtMoney", "Money", words, wordEnds},          {"txtMove", "Movement", words, wordEnds, 2},
        {"txtExp", "Exp.", NumberOutside({"-2147483649", "4294967296", "99999999999999999999"}),
         {"-2147483648", "0", "4294967295"}},
        {"txtStart", "Start Text", badAddresses, addresses, 1},
        {"txtDeath", "Death Text", badAddresses, addresses, 1},
        {"txtName", "Name", {"Caf\xC3\xA9", "1/2", "a\tb", "\xE2\x82\xAC", "\"q\""},
         {"", "Boss", "Big Pile of Puke! $1,000."}},
    };
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

// Applied from another page, a refusal names the field and the text, shows
// the field's page and puts the focus on it, and writes nothing.
TEST_P(BadInputTest, EveryBadTextIsRefusedByNameAndWritesNothing)
{
    const TextField &field = GetParam();
    const auto before = image_.contents();
    const int otherPage = (field.page + 1) % 3;
    editor_.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor_.window()));
    for (const char *text : field.refused) {
        editor_.type(field.control, QString::fromUtf8(text));
        editor_.clickTab(otherPage);
        editor_.clickApply(otherPage == 0 ? 0 : otherPage == 1 ? 2 : 1);
        const QStringList messages = editor_.takeMessages();
        ASSERT_EQ(messages.size(), 1) << '"' << text << '"';
        EXPECT_TRUE(messages[0].startsWith(QStringLiteral("The field \"%1\" cannot take \"%2\". It accepts ")
                                               .arg(field.name, QString::fromStdString(QuotedForMessage(text)))))
            << messages[0].toStdString();
        EXPECT_EQ(editor_.window().findChild<QTabBar *>("TabStrip1")->currentIndex(), field.page);
        EXPECT_EQ(QApplication::focusWidget(), editor_.widget(field.control));
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

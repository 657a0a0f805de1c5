#include "EditorHarness.h"
#include "FieldText.h"

#include <QApplication>
#include <QTest>

using namespace mobwright;
using namespace mobwright::test;

namespace {

using Bytes = std::vector<std::uint8_t>;

class ApplyTest : public testing::Test
{
protected:
    static constexpr int Enemy = 6;

    ApplyTest()
    {
        image_.fillRandom(21);
        image_.setName(Enemy, "Boss");
        editor_.loadRom(image_);
        editor_.choose("cmbEnemy(0)", Enemy);
    }

    // The image as it is, with bytes put at record offsets of the enemy.
    Bytes imageWith(std::initializer_list<std::pair<int, Bytes>> changes) const
    {
        Bytes bytes = image_.contents();
        for (const auto &[offset, values] : changes)
            std::ranges::copy(values, bytes.begin() + image_.recordOffset(Enemy) + offset);
        return bytes;
    }

    TestImage image_;
    EditorHarness editor_;
};

// One field of each kind, at both ends of its range, and the bytes it gives.
struct Limit
{
    const char *control;
    int offset;
    QVariant upper, lower;
    Bytes upperBytes, lowerBytes;
};

Bytes Name(Bytes codes)
{
    codes.resize(25, 0);
    return codes;
}

const Limit Limits[]{
    {"chkFlag", 0, true, false, {1}, {0}},
    {"txtName", 1, "Frog", "", Name({0x76, 0xA2, 0x9F, 0x97}), Name({})},
    {"cmbInside", 28, 110, 0, {110, 0}, {0, 0}},
    {"cmbOutside", 30, 462, 0, {0xCF, 0x01}, {1, 0}},
    {"txtExp", 37, "4294967295", "-2147483648", {0xFF, 0xFF, 0xFF, 0xFF}, {0, 0, 0, 0x80}},
    {"txtMove", 43, "65535", "-32768", {0xFF, 0xFF}, {0x00, 0x80}},
    {"txtDeath", 49, "fffffe", "0", {0xFE, 0xFF, 0xFF, 0}, {0, 0, 0, 0}},
    {"cmbMusic", 55, 191, 0, {191}, {0}},
    {"cmbAct1", 70, 61, 0, {61, 0}, {0, 0}}, // a PSI action, then a normal one
    {"cmbArgs(0)", 80, 254, 0, {255}, {1}},
    {"txtMaxCall", 92, "255", "0", {255}, {0}},
};

} // namespace

TEST_F(ApplyTest, WritesEachKindOfFieldAtBothEndsAndNoOtherByte)
{
    for (const bool upper : {true, false}) {
        Bytes expected = imageWith({{48, {0}}}); // the start text's fourth byte is written as 0
        for (const Limit &limit : Limits) {
            const QVariant value = upper ? limit.upper : limit.lower;
            if (value.typeId() == QMetaType::Bool)
                editor_.find<QCheckBox>(limit.control)->setChecked(value.toBool());
            else if (value.typeId() == QMetaType::Int)
                editor_.choose(limit.control, value.toInt());
            else
                editor_.type(limit.control, value.toString());
            const Bytes &bytes = upper ? limit.upperBytes : limit.lowerBytes;
            std::ranges::copy(bytes, expected.begin() + image_.recordOffset(Enemy) + limit.offset);
        }
        editor_.clickApply(upper ? 1 : 2);
        EXPECT_TRUE(editor_.takeMessages().isEmpty());
        EXPECT_TRUE(image_.contents() == expected) << (upper ? "upper" : "lower");
    }
}

TEST_F(ApplyTest, ShowsTheRecordAsStoredAndRelabelsThePickers)
{
    editor_.type("txtHP", "00300");
    editor_.type("txtStart", "abc");
    editor_.type("txtName", "Frog");
    editor_.clickTab(2);
    editor_.clickApply(1);
    EXPECT_EQ(editor_.edit("txtHP")->text(), "300");
    EXPECT_EQ(editor_.edit("txtStart")->text(), "000ABC");
    EXPECT_EQ(editor_.edit("txtName")->text(), "Frog");
    for (const char *picker : {"cmbEnemy(0)", "cmbEnemy(1)", "cmbEnemy(2)"})
        EXPECT_EQ(editor_.combo(picker)->currentText(), "007: Frog") << picker;
    EXPECT_EQ(editor_.tabs()->currentIndex(), 2);
    EXPECT_EQ(editor_.visibleFrame(), "frmThree");
}

TEST_F(ApplyTest, ValuesWithoutAnEntryAreKeptUntilTheUserChooses)
{
    // Flag 7, type 5, inside picture 300, outside picture 0 (none), action 319.
    image_.setRecordBytes(Enemy, 0, {7});
    image_.setRecordBytes(Enemy, 27, {5, 0x2C, 0x01, 0, 0});
    image_.setRecordBytes(Enemy, 70, {0x3F, 0x01});
    editor_.choose("cmbEnemy(0)", 0);
    editor_.choose("cmbEnemy(0)", Enemy);
    EXPECT_EQ(editor_.find<QCheckBox>("chkFlag")->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(editor_.combo("cmbType")->currentIndex(), -1);
    EXPECT_EQ(editor_.combo("cmbType")->placeholderText(), "(stored value 5)");
    EXPECT_EQ(editor_.combo("cmbOutside")->currentIndex(), -1);
    EXPECT_EQ(editor_.combo("cmbOutside")->placeholderText(), "");

    const Bytes unchanged = imageWith({{48, {0}}, {52, {0}}});
    editor_.clickApply();
    EXPECT_TRUE(editor_.takeMessages().isEmpty());
    EXPECT_TRUE(image_.contents() == unchanged);

    editor_.find<QCheckBox>("chkFlag")->click(); // partly checked to checked
    editor_.choose("cmbType", 1);
    editor_.clickApply();
    EXPECT_TRUE(image_.contents() == imageWith({{0, {1}}, {27, {1}}}));
}

// Applied from another page, a refusal says what the model says, shows the
// field's page with the focus on it, and writes nothing.
TEST_F(ApplyTest, ARefusedFieldIsShownAndNothingIsWritten)
{
    const struct
    {
        const char *control;
        Field field;
        int page;
        const char *text;
    } refused[]{{"txtPal", Field::Palette, 2, "256"},
                {"txtMove", Field::Movement, 2, "65536"},
                {"txtExp", Field::Exp, 0, "1.5"},
                {"txtStart", Field::StartText, 1, "12G4"},
                {"txtName", Field::Name, 0, "Caf\xC3\xA9"}};
    editor_.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor_.window()));
    const Bytes before = image_.contents();
    for (const auto &row : refused) {
        const QString shown = editor_.edit(row.control)->text();
        editor_.type(row.control, QString::fromUtf8(row.text));
        const int otherPage = (row.page + 1) % 3;
        editor_.clickTab(otherPage);
        editor_.clickApply(otherPage == 0 ? 0 : 3 - otherPage);
        const std::string accepted = row.field == Field::Name ? NameRefusal(row.text).value_or("")
                                                              : AcceptedText(LayoutOf(row.field));
        EXPECT_EQ(editor_.takeMessages(),
                  QStringList(
                      QString::fromStdString(FieldError{row.field, row.text, accepted}.message())));
        EXPECT_EQ(editor_.tabs()->currentIndex(), row.page) << row.control;
        EXPECT_EQ(QApplication::focusWidget(), editor_.find(row.control));
        EXPECT_TRUE(image_.contents() == before) << row.control;
        editor_.type(row.control, shown);
    }
    editor_.edit("txtName")->clear();
    QTest::keyClicks(editor_.edit("txtName"), QString(30, 'x'));
    EXPECT_EQ(editor_.edit("txtName")->text(), QString(25, 'x'));
}

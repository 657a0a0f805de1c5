#include "EditorHarness.h"
#include "FieldText.h"

#include <QApplication>
#include <QTest>

using namespace mobwright;
using namespace mobwright::test;
using Bytes = std::vector<std::uint8_t>;

namespace {

class ApplyTest : public testing::Test
{
protected:
    ApplyTest()
    {
        image_.fillRandom(21);
        image_.setName(Enemy, "Boss");
        editor_.loadRom(image_.path());
        editor_.choose("cmbEnemy(0)", Enemy);
    }

    // The image as it is, with bytes put at offsets of the enemy's record.
    Bytes imageWith(std::initializer_list<std::pair<int, Bytes>> changes) const
    {
        Bytes bytes = image_.contents();
        for (const auto &[offset, values] : changes)
            std::ranges::copy(values, bytes.begin() + image_.recordOffset(Enemy) + offset);
        return bytes;
    }

    static constexpr int Enemy = 6;
    TestImage image_;
    EditorHarness editor_;
};

} // namespace

// One field of each kind at both ends of its range (an action before its
// argument), and the bytes it gives; the rest of the image stays, but for
// the start text's fourth byte, which is written as 0.
TEST_F(ApplyTest, WritesEachKindOfFieldAtBothEndsAndNoOtherByte)
{
    const std::tuple<const char *, int, QVariant, Bytes, QVariant, Bytes> limits[]{
        {"chkFlag", 0, true, {1}, false, {0}},
        {"txtName", 1, "Frog", {0x76, 0xA2, 0x9F, 0x97, 0}, "", Bytes(25, 0)},
        {"cmbInside", 28, 110, {110, 0}, 0, {0, 0}},
        {"cmbOutside", 30, 462, {0xCF, 0x01}, 0, {1, 0}},
        {"txtExp", 37, "4294967295", {0xFF, 0xFF, 0xFF, 0xFF}, "-2147483648", {0, 0, 0, 0x80}},
        {"txtMove", 43, "65535", {0xFF, 0xFF}, "-32768", {0x00, 0x80}},
        {"txtDeath", 49, "fffffe", {0xFE, 0xFF, 0xFF, 0}, "0", {0, 0, 0, 0}},
        {"cmbMusic", 55, 191, {191}, 0, {0}},
        {"cmbAct1", 70, 61, {61, 0}, 0, {0, 0}},
        {"cmbArgs(0)", 80, 254, {255}, 0, {1}},
        {"txtMaxCall", 92, "255", {255}, "0", {0}}};
    for (const bool upper : {false, true}) {
        Bytes expected = imageWith({{48, {0}}});
        for (const auto &[control, offset, high, highBytes, low, lowBytes] : limits) {
            const QVariant value = upper ? high : low;
            if (value.typeId() == QMetaType::Bool)
                editor_.find<QCheckBox>(control)->setChecked(value.toBool());
            else if (value.typeId() == QMetaType::Int)
                editor_.choose(control, value.toInt());
            else
                editor_.type(control, value.toString());
            std::ranges::copy(upper ? highBytes : lowBytes,
                              expected.begin() + image_.recordOffset(Enemy) + offset);
        }
        editor_.clickTab(upper ? 2 : 1);
        editor_.clickApply(upper ? 1 : 2);
        EXPECT_TRUE(editor_.takeMessages().isEmpty());
        EXPECT_TRUE(image_.contents() == expected) << (upper ? "upper" : "lower");
        // The window then shows the record as stored, on the same page.
        EXPECT_EQ(editor_.edit("txtDeath")->text(), upper ? "FFFFFE" : "000000");
        EXPECT_EQ(editor_.visibleFrame(), upper ? "frmThree" : "frmTwo");
    }
}

TEST_F(ApplyTest, ValuesWithoutAnEntryAreKeptUntilTheUserChooses)
{
    // Flag 7, type 5, inside picture 300, outside picture 0 (none), action 319.
    image_.setRecordBytes(Enemy, 0, {7});
    image_.setRecordBytes(Enemy, 27, {5, 0x2C, 0x01, 0, 0});
    image_.setRecordBytes(Enemy, 70, {0x3F, 0x01});
    editor_.loadRom(image_.path());
    editor_.choose("cmbEnemy(0)", Enemy);
    EXPECT_EQ(editor_.find<QCheckBox>("chkFlag")->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(editor_.combo("cmbType")->placeholderText() +
                  editor_.combo("cmbOutside")->placeholderText(),
              "(stored value 5)");
    EXPECT_EQ(
        editor_.combo("cmbType")->currentIndex() + editor_.combo("cmbOutside")->currentIndex(), -2);
    const Bytes unchanged = imageWith({{48, {0}}, {52, {0}}});
    editor_.clickApply();
    EXPECT_TRUE(image_.contents() == unchanged);
    editor_.find<QCheckBox>("chkFlag")->click(); // partly checked to checked
    editor_.choose("cmbType", 1);
    editor_.clickApply();
    EXPECT_TRUE(image_.contents() == imageWith({{0, {1}}, {27, {1}}}));
    EXPECT_TRUE(editor_.takeMessages().isEmpty());
}

// Applied from another page, a refusal says what the model says, shows the
// field's page with the focus on it, and writes nothing.
TEST_F(ApplyTest, ARefusedFieldIsShownAndNothingIsWritten)
{
    const std::tuple<const char *, Field, int, const char *> refused[]{
        {"txtPal", Field::Palette, 2, "256"},
        {"txtMove", Field::Movement, 2, "65536"},
        {"txtExp", Field::Exp, 0, "1.5"},
        {"txtStart", Field::StartText, 1, "12G4"},
        {"txtName", Field::Name, 0, "Caf\xC3\xA9"}};
    editor_.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor_.window()));
    const Bytes before = image_.contents();
    for (const auto &[control, field, page, text] : refused) {
        const QString shown = editor_.edit(control)->text();
        editor_.type(control, QString::fromUtf8(text));
        editor_.clickTab((page + 1) % 3);
        editor_.clickApply(page == 2 ? 0 : 2 - page); // the next page's button
        const std::string accepted =
            field == Field::Name ? NameRefusal(text).value_or("") : AcceptedText(LayoutOf(field));
        EXPECT_EQ(editor_.takeMessages(),
                  QStringList(QString::fromStdString(FieldError{field, text, accepted}.message())));
        EXPECT_EQ(editor_.tabs()->currentIndex(), page) << control;
        EXPECT_EQ(QApplication::focusWidget(), editor_.find(control));
        EXPECT_TRUE(image_.contents() == before) << control;
        editor_.type(control, shown);
    }
    editor_.edit("txtName")->clear();
    QTest::keyClicks(editor_.edit("txtName"), QString(30, 'x'));
    EXPECT_EQ(editor_.edit("txtName")->text(), QString(25, 'x'));
}

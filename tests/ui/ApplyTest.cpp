#include "EditorHarness.h"
#include "EnemyLayout.h"
#include "TestImage.h"

#include <QTabBar>

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
        editor_.loadRom(QString::fromStdString(image_.path()));
        editor_.choose("cmbEnemy(0)", Enemy);
        before_ = image_.contents();
    }

    Bytes bytesAt(int offset, int count) const
    {
        const Bytes record = image_.recordBytes(Enemy);
        return {record.begin() + offset, record.begin() + offset + count};
    }

    // Sets a control as the user would: a text, a list position or a check.
    void set(const char *control, const QVariant &value)
    {
        if (value.typeId() == QMetaType::Bool)
            editor_.check(control)->setChecked(value.toBool());
        else if (value.typeId() == QMetaType::Int)
            editor_.choose(control, value.toInt());
        else
            editor_.type(control, value.toString());
    }

    // Every byte of the image outside the record's fields is as it was.
    void expectOnlyFieldsChanged() const
    {
        const Bytes after = image_.contents();
        const std::uint32_t start = image_.recordOffset(Enemy);
        for (std::size_t offset = 0; offset < after.size(); ++offset) {
            const auto inRecord = static_cast<int>(offset - start);
            const bool field = offset >= start && inRecord < ENEMY_RECORD_SIZE && !IsUntouchedOffset(inRecord);
            if (!field) {
                ASSERT_EQ(after[offset], before_[offset]) << "file offset " << offset;
            }
        }
    }

    TestImage image_;
    EditorHarness editor_;
    Bytes before_;
};

// Every field at both ends of its range, in record order (an action before
// its argument), with the bytes it must give.
struct Limit
{
    const char *control;
    int offset;
    QVariant upper;
    Bytes upperBytes;
    QVariant lower;
    Bytes lowerBytes;
};

const Bytes UpperName{0x72, 0x99, 0x97, 0x50, 0x80, 0x99, 0x9C, 0x95, 0x50, 0x9F, 0x96, 0x50, 0x80,
                      0xA5, 0x9B, 0x95, 0x51, 0x50, 0x54, 0x61, 0x5C, 0x60, 0x60, 0x60, 0x5E};

const std::vector<Limit> Limits{
    {"chkFlag", 0, true, {1}, false, {0}},
    {"txtName", 1, "Big Pile of Puke! $1,000.", UpperName, "", Bytes(25, 0)},
    {"cmbType", 27, 2, {2}, 0, {0}},
    {"cmbInside", 28, 110, {110, 0}, 0, {0, 0}},
    {"cmbOutside", 30, 462, {0xCF, 0x01}, 0, {1, 0}},
    {"txtHP", 33, "65535", {0xFF, 0xFF}, "-32768", {0x00, 0x80}},
    {"txtPP", 35, "65535", {0xFF, 0xFF}, "-32768", {0x00, 0x80}},
    {"txtExp", 37, "4294967295", {0xFF, 0xFF, 0xFF, 0xFF}, "-2147483648", {0, 0, 0, 0x80}},
    {"txtMoney", 41, "65535", {0xFF, 0xFF}, "-32768", {0x00, 0x80}},
    {"txtMove", 43, "65535", {0xFF, 0xFF}, "-32768", {0x00, 0x80}},
    {"txtStart", 45, "FFFFFF", {0xFF, 0xFF, 0xFF, 0}, "0", {0, 0, 0, 0}},
    {"txtDeath", 49, "fffffe", {0xFE, 0xFF, 0xFF, 0}, "000000", {0, 0, 0, 0}},
    {"txtPal", 53, "255", {255}, "0", {0}},
    {"txtLevel", 54, "255", {255}, "0", {0}},
    {"cmbMusic", 55, 191, {191}, 0, {0}},
    {"txtOffense", 56, "255", {255}, "0", {0}},
    {"txtDefense", 58, "255", {255}, "0", {0}},
    {"txtSpeed", 60, "255", {255}, "0", {0}},
    {"txtGuts", 61, "255", {255}, "0", {0}},
    {"txtIQ", 62, "255", {255}, "0", {0}},
    {"txtRate", 68, "255", {255}, "0", {0}},
    {"cmbOrd", 69, 3, {3}, 0, {0}},
    {"cmbAct1", 70, 61, {61, 0}, 0, {0, 0}},     // PSI
    {"cmbAct2", 72, 245, {245, 0}, 0, {0, 0}},   // call
    {"cmbAct3", 74, 311, {0x37, 1}, 0, {0, 0}},  // item
    {"cmbAct4", 76, 318, {0x3E, 1}, 0, {0, 0}},  // normal
    {"cmbFinalAct", 78, 318, {0x3E, 1}, 0, {0, 0}},
    {"cmbArgs(0)", 80, 254, {255}, 0, {1}},
    {"cmbArgs(1)", 81, 229, {230}, 0, {1}},
    {"cmbArgs(2)", 82, 254, {255}, 0, {1}},
    {"cmbArgs(3)", 83, 0, {1}, 0, {1}},
    {"cmbItemFreq", 87, 7, {7}, 0, {0}},
    {"cmbItem", 88, 255, {255}, 0, {0}},
    {"txtStatus", 89, "255", {255}, "0", {0}},
    {"cmbDeath", 90, 1, {1}, 0, {0}},
    {"txtMaxCall", 92, "255", {255}, "0", {0}},
};

} // namespace

TEST_F(ApplyTest, WritesEveryFieldAtBothEndsOfItsRange)
{
    for (const bool upper : {true, false}) {
        for (const Limit &limit : Limits)
            set(limit.control, upper ? limit.upper : limit.lower);
        editor_.clickApply(upper ? 1 : 2);
        ASSERT_TRUE(editor_.takeMessages().isEmpty());
        for (const Limit &limit : Limits) {
            const Bytes &expected = upper ? limit.upperBytes : limit.lowerBytes;
            EXPECT_EQ(bytesAt(limit.offset, static_cast<int>(expected.size())), expected)
                << limit.control << (upper ? " upper" : " lower");
        }
        expectOnlyFieldsChanged();
    }
}

TEST_F(ApplyTest, ReadsTheRecordBackAndRelabelsThePickers)
{
    editor_.type("txtHP", "00300");
    editor_.type("txtPP", "40000");
    editor_.type("txtStart", "abc");
    editor_.type("txtName", "Frog");
    editor_.clickTab(2);
    editor_.clickApply(1);
    EXPECT_EQ(editor_.edit("txtHP")->text(), "300");
    EXPECT_EQ(editor_.edit("txtPP")->text(), "40000");
    EXPECT_EQ(editor_.edit("txtStart")->text(), "000ABC");
    EXPECT_EQ(editor_.edit("txtName")->text(), "Frog");
    for (const char *picker : {"cmbEnemy(0)", "cmbEnemy(1)", "cmbEnemy(2)"}) {
        EXPECT_EQ(editor_.combo(picker)->currentText(), "007: Frog") << picker;
        EXPECT_EQ(editor_.combo(picker)->currentIndex(), Enemy) << picker;
    }
    EXPECT_EQ(editor_.window().findChild<QTabBar *>("TabStrip1")->currentIndex(), 2);
    EXPECT_EQ(editor_.visibleFrame(), "frmThree");
}

TEST_F(ApplyTest, ValuesWithoutAnEntryAreKeptUnlessTheUserChooses)
{
    image_.setRecordBytes(Enemy, 0, {7});
    image_.setRecordBytes(Enemy, 27, {5, 0x2C, 0x01, 0xF4, 0x01}); // type 5, inside 300, outside 500
    image_.setRecordBytes(Enemy, 55, {0xC0});
    image_.setRecordBytes(Enemy, 69, {4, 0x3F, 0x01});
    image_.setRecordBytes(Enemy, 87, {8});
    image_.setRecordBytes(Enemy, 90, {2});
    editor_.choose("cmbEnemy(0)", 0);
    editor_.choose("cmbEnemy(0)", Enemy);
    EXPECT_EQ(editor_.check("chkFlag")->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(editor_.combo("cmbType")->currentIndex(), -1);
    EXPECT_EQ(editor_.combo("cmbType")->placeholderText(), "(stored value 5)");
    EXPECT_EQ(editor_.combo("cmbOutside")->placeholderText(), "(stored value 500)");
    EXPECT_EQ(editor_.combo("cmbAct1")->placeholderText(), "(stored value 319)");

    Bytes expected = image_.recordBytes(Enemy);
    expected[48] = expected[52] = 0;
    editor_.clickApply();
    EXPECT_TRUE(editor_.takeMessages().isEmpty());
    EXPECT_EQ(image_.recordBytes(Enemy), expected);

    editor_.check("chkFlag")->click(); // partly checked to checked
    editor_.choose("cmbType", 1);
    editor_.clickApply();
    EXPECT_EQ(bytesAt(27, 5), Bytes({1, 0x2C, 0x01, 0xF4, 0x01}));
    EXPECT_EQ(bytesAt(0, 1), Bytes{1});
    EXPECT_FALSE(editor_.check("chkFlag")->isTristate());
}

TEST_F(ApplyTest, AnUneditedNameKeepsItsBytesAndAnEditedOneIsEncoded)
{
    // "Bo", a code without a character, "ss", the end, and leftovers.
    image_.setRecordBytes(Enemy, 1, {0x72, 0x9F, 0x01, 0xA3, 0xA3, 0x00, 0x55, 0x66});
    editor_.choose("cmbEnemy(0)", 0);
    editor_.choose("cmbEnemy(0)", Enemy);
    EXPECT_EQ(editor_.edit("txtName")->text(), "Boss");
    const Bytes stored = bytesAt(1, 25);
    editor_.clickApply();
    EXPECT_EQ(bytesAt(1, 25), stored);

    editor_.type("txtName", "Bosses");
    editor_.clickApply();
    Bytes expected{0x72, 0x9F, 0xA3, 0xA3, 0x95, 0xA3};
    expected.resize(25, 0);
    EXPECT_EQ(bytesAt(1, 25), expected);
}

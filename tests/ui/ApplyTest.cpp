#include "EditorHarness.h"
#include "EnemyLayout.h"
#include "ProbedFile.h"
#include "TestImage.h"

#include <QApplication>
#include <QTest>
#include <QTabBar>

using namespace mobwright;
using namespace mobwright::test;

namespace {

class ApplyTest : public testing::Test
{
protected:
    static constexpr int Enemy = 6;

    ApplyTest()
    {
        image_.fillRandom(21);
        image_.setName(Enemy, "Boss");
        editor_.window().setFileOpener(ProbedOpener(probe_));
        editor_.loadRom(QString::fromStdString(image_.path()));
        editor_.choose("cmbEnemy(0)", Enemy);
        before_ = image_.contents();
    }

    std::vector<std::uint8_t> record() const { return image_.recordBytes(Enemy); }

    std::vector<std::uint8_t> bytesAt(int offset, int count) const
    {
        const auto all = record();
        return {all.begin() + offset, all.begin() + offset + count};
    }

    // Every byte of the image but the record's fields is as it was.
    void expectOnlyFieldsChanged() const
    {
        const auto after = image_.contents();
        ASSERT_EQ(after.size(), before_.size());
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
    std::shared_ptr<FileProbe> probe_ = std::make_shared<FileProbe>();
    EditorHarness editor_;
    std::vector<std::uint8_t> before_;
};

using Bytes = std::vector<std::uint8_t>;

} // namespace

TEST_F(ApplyTest, WritesEveryFieldAtItsUpperLimit)
{
    editor_.check("chkFlag")->setChecked(true);
    editor_.type("txtName", "Big Pile of Puke! $1,000.");
    editor_.choose("cmbType", 2);
    editor_.choose("cmbInside", 110);
    editor_.choose("cmbOutside", 462);
    for (const char *name : {"txtHP", "txtPP", "txtMoney", "txtMove"})
        editor_.type(name, "65535");
    editor_.type("txtExp", "4294967295");
    editor_.type("txtStart", "FFFFFF");
    editor_.type("txtDeath", "fffffe");
    for (const char *name : {"txtPal", "txtLevel", "txtOffense", "txtDefense", "txtSpeed", "txtGuts",
                             "txtIQ", "txtRate", "txtStatus", "txtMaxCall"})
        editor_.type(name, "255");
    editor_.choose("cmbMusic", 191);
    editor_.choose("cmbOrd", 3);
    editor_.choose("cmbAct1", 61); // PSI
    editor_.choose("cmbAct2", 245); // call
    editor_.choose("cmbAct3", 311); // item
    editor_.choose("cmbAct4", 318); // normal
    editor_.choose("cmbFinalAct", 318);
    editor_.choose("cmbArgs(0)", 254);
    editor_.choose("cmbArgs(1)", 229);
    editor_.choose("cmbArgs(2)", 254);
    editor_.choose("cmbArgs(3)", 0);
    editor_.choose("cmbItemFreq", 7);
    editor_.choose("cmbItem", 255);
    editor_.choose("cmbDeath", 1);
    editor_.clickApply(1);
    ASSERT_TRUE(editor_.takeMessages().isEmpty());

    const Bytes r = record();
    EXPECT_EQ(r[0], 1);
    EXPECT_EQ(bytesAt(1, 25), Bytes({0x72, 0x99, 0x97, 0x50, 0x80, 0x99, 0x9C, 0x95, 0x50, 0x9F, 0x96,
                                     0x50, 0x80, 0xA5, 0x9B, 0x95, 0x51, 0x50, 0x54, 0x61, 0x5C, 0x60,
                                     0x60, 0x60, 0x5E}));
    EXPECT_EQ(r[27], 2);
    EXPECT_EQ(bytesAt(28, 4), Bytes({110, 0, 0xCF, 0x01}));
    EXPECT_EQ(bytesAt(33, 4), Bytes({0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(bytesAt(37, 8), Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(bytesAt(45, 8), Bytes({0xFF, 0xFF, 0xFF, 0x00, 0xFE, 0xFF, 0xFF, 0x00}));
    EXPECT_EQ(bytesAt(53, 4), Bytes({255, 255, 191, 255}));
    EXPECT_EQ(r[58], 255);
    EXPECT_EQ(bytesAt(60, 3), Bytes({255, 255, 255}));
    EXPECT_EQ(bytesAt(68, 2), Bytes({255, 3}));
    EXPECT_EQ(bytesAt(70, 14), Bytes({61, 0, 245, 0, 0x37, 0x01, 0x3E, 0x01, 0x3E, 0x01, 255, 230, 255, 1}));
    EXPECT_EQ(bytesAt(87, 4), Bytes({7, 255, 255, 1}));
    EXPECT_EQ(r[92], 255);
    expectOnlyFieldsChanged();
}

TEST_F(ApplyTest, WritesEveryFieldAtItsLowerLimit)
{
    editor_.check("chkFlag")->setChecked(false);
    editor_.type("txtName", "");
    editor_.choose("cmbType", 0);
    editor_.choose("cmbInside", 0);
    editor_.choose("cmbOutside", 0);
    for (const char *name : {"txtHP", "txtPP", "txtMoney", "txtMove"})
        editor_.type(name, "-32768");
    editor_.type("txtExp", "-2147483648");
    editor_.type("txtStart", "0");
    editor_.type("txtDeath", "000000");
    for (const char *name : {"txtPal", "txtLevel", "txtOffense", "txtDefense", "txtSpeed", "txtGuts",
                             "txtIQ", "txtRate", "txtStatus", "txtMaxCall"})
        editor_.type(name, "0");
    editor_.choose("cmbMusic", 0);
    editor_.choose("cmbOrd", 0);
    for (const char *name : {"cmbAct1", "cmbAct2", "cmbAct3", "cmbAct4", "cmbFinalAct"})
        editor_.choose(name, 0);
    editor_.choose("cmbItemFreq", 0);
    editor_.choose("cmbItem", 0);
    editor_.choose("cmbDeath", 0);
    editor_.clickApply(2);
    ASSERT_TRUE(editor_.takeMessages().isEmpty());

    const Bytes r = record();
    EXPECT_EQ(r[0], 0);
    EXPECT_EQ(bytesAt(1, 25), Bytes(25, 0));
    EXPECT_EQ(bytesAt(27, 5), Bytes({0, 0, 0, 1, 0}));
    EXPECT_EQ(bytesAt(33, 4), Bytes({0x00, 0x80, 0x00, 0x80}));
    EXPECT_EQ(bytesAt(37, 8), Bytes({0x00, 0x00, 0x00, 0x80, 0x00, 0x80, 0x00, 0x80}));
    EXPECT_EQ(bytesAt(45, 8), Bytes(8, 0));
    EXPECT_EQ(bytesAt(53, 4), Bytes(4, 0));
    EXPECT_EQ(bytesAt(68, 12), Bytes(12, 0));
    EXPECT_EQ(bytesAt(80, 4), Bytes(4, 1)); // a normal action's one empty entry
    EXPECT_EQ(bytesAt(87, 4), Bytes(4, 0));
    EXPECT_EQ(r[92], 0);
    expectOnlyFieldsChanged();
}

TEST_F(ApplyTest, ConvertsTypedTextAsTheGameStoresIt)
{
    editor_.type("txtHP", "300");
    editor_.type("txtPP", " 0 ");
    editor_.type("txtExp", "100000");
    editor_.type("txtStart", "c5abcd");
    editor_.type("txtDeath", "ABCD");
    editor_.type("txtMoney", "-1");
    editor_.clickApply();
    EXPECT_EQ(bytesAt(33, 4), Bytes({0x2C, 0x01, 0x00, 0x00}));
    EXPECT_EQ(bytesAt(37, 4), Bytes({0xA0, 0x86, 0x01, 0x00}));
    EXPECT_EQ(bytesAt(41, 2), Bytes({0xFF, 0xFF}));
    EXPECT_EQ(bytesAt(45, 8), Bytes({0xCD, 0xAB, 0xC5, 0x00, 0xCD, 0xAB, 0x00, 0x00}));
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
    EXPECT_EQ(editor_.edit("txtPP")->text(), "-25536");
    EXPECT_EQ(editor_.edit("txtStart")->text(), "000ABC");
    EXPECT_EQ(editor_.edit("txtName")->text(), "Frog");
    for (const char *picker : {"cmbEnemy(0)", "cmbEnemy(1)", "cmbEnemy(2)"}) {
        EXPECT_EQ(editor_.combo(picker)->currentText(), "007: Frog") << picker;
        EXPECT_EQ(editor_.combo(picker)->currentIndex(), Enemy) << picker;
    }
    EXPECT_EQ(editor_.window().findChild<QTabBar *>("TabStrip1")->currentIndex(), 2);
    EXPECT_EQ(editor_.visibleFrame(), "frmThree");
}

TEST_F(ApplyTest, UnchangedAppliesKeepEveryByteButTheAddressesFourth)
{
    const Bytes stored = record();
    editor_.clickApply(0);
    editor_.clickApply(1);
    editor_.clickApply(2);
    EXPECT_TRUE(editor_.takeMessages().isEmpty());
    Bytes expected = stored;
    expected[48] = 0;
    expected[52] = 0;
    EXPECT_EQ(record(), expected);
    expectOnlyFieldsChanged();
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

    const Bytes stored = record();
    editor_.clickApply();
    EXPECT_TRUE(editor_.takeMessages().isEmpty());
    Bytes expected = stored;
    expected[48] = 0;
    expected[52] = 0;
    EXPECT_EQ(record(), expected);

    editor_.check("chkFlag")->click(); // partly checked to checked
    editor_.choose("cmbType", 1);
    editor_.clickApply();
    EXPECT_EQ(record()[0], 1);
    EXPECT_EQ(record()[27], 1);
    EXPECT_EQ(bytesAt(28, 4), Bytes({0x2C, 0x01, 0xF4, 0x01}));
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
    EXPECT_EQ(editor_.edit("txtName")->maxLength(), 25);
}

TEST_F(ApplyTest, ARefusedFieldWritesNothingAndIsPointedOut)
{
    struct Case
    {
        const char *control;
        const char *text;
        const char *fieldName;
        int tab;
    };
    const Case cases[] = {
        {"txtHP", "65536", "HP", 0},          {"txtPP", "-32769", "PP", 0},
        {"txtExp", "4294967296", "Exp.", 0},  {"txtMoney", "12.5", "Money", 0},
        {"txtMove", "", "Movement", 2},       {"txtStart", "ZZ1234", "Start Text", 1},
        {"txtDeath", "1234567", "Death Text", 1}, {"txtPal", "256", "Palette", 2},
        {"txtLevel", "-1", "Level", 0},       {"txtOffense", "0x10", "Offense", 0},
        {"txtDefense", "ten", "Defense", 0},  {"txtSpeed", "   ", "Speed", 0},
        {"txtGuts", "1e2", "Guts", 0},        {"txtIQ", "FF", "IQ", 0},
        {"txtRate", "300", "Miss Rate", 0},   {"txtStatus", "+-3", "Satus", 0},
        {"txtMaxCall", "9999", "Max Call", 1}, {"txtName", "Caf\xC3\xA9", "Name", 0},
    };
    editor_.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor_.window()));
    for (const Case &c : cases) {
        const QString old = editor_.edit(c.control)->text();
        editor_.type(c.control, QString::fromUtf8(c.text));
        editor_.clickTab(c.tab == 0 ? 1 : 0); // start from another page
        editor_.clickApply(c.tab == 0 ? 2 : 0);
        const QStringList messages = editor_.takeMessages();
        ASSERT_EQ(messages.size(), 1) << c.control;
        EXPECT_TRUE(messages[0].contains(QStringLiteral("\"%1\"").arg(c.fieldName))) << messages[0].toStdString();
        EXPECT_TRUE(messages[0].contains(QString::fromUtf8(c.text))) << messages[0].toStdString();
        EXPECT_TRUE(messages[0].contains("accepts")) << messages[0].toStdString();
        EXPECT_EQ(editor_.window().findChild<QTabBar *>("TabStrip1")->currentIndex(), c.tab) << c.control;
        EXPECT_EQ(QApplication::focusWidget(), editor_.widget(c.control)) << c.control;
        ASSERT_EQ(image_.contents(), before_) << c.control;
        editor_.type(c.control, old);
    }
}

TEST_F(ApplyTest, AWriteFailureIsReportedAndTheNextApplyWritesEverything)
{
    editor_.type("txtHP", "4660"); // 0x1234
    editor_.type("txtMaxCall", "9");
    probe_->failWritesAfter = probe_->writeCalls + 4;
    editor_.clickApply();
    QStringList messages = editor_.takeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("partly written")) << messages[0].toStdString();
    EXPECT_EQ(editor_.edit("txtHP")->text(), "4660"); // the edits stay for another try
    EXPECT_NE(record()[92], 9);

    probe_->failWritesAfter = -1;
    editor_.clickApply();
    EXPECT_TRUE(editor_.takeMessages().isEmpty());
    EXPECT_EQ(bytesAt(33, 2), Bytes({0x34, 0x12}));
    EXPECT_EQ(record()[92], 9);
    expectOnlyFieldsChanged();
}

TEST_F(ApplyTest, ASyncFailureIsNotTakenForSuccess)
{
    probe_->failSync = true;
    editor_.type("txtLevel", "3");
    editor_.clickApply();
    const QStringList messages = editor_.takeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("partly written")) << messages[0].toStdString();
}

#include "EditorHarness.h"
#include "EnemyEditor.h"
#include "FieldText.h"
#include "ProbedFile.h"

#include <QApplication>
#include <QStatusBar>
#include <QTest>

#include <filesystem>

using namespace mobwright;
using namespace mobwright::test;
using Bytes = std::vector<std::uint8_t>;

class ApplyTest : public testing::Test
{
protected:
    ApplyTest()
    {
        image_.fillRandom(21);
        image_.setName(6, "Boss");
        editor_.loadRom(image_.path());
        editor_.choose("cmbEnemy(0)", 6);
    }

    // The image as it is, with bytes put at offsets of enemy 6's record.
    Bytes imageWith(std::initializer_list<std::pair<int, Bytes>> changes) const
    {
        Bytes bytes = image_.contents();
        for (const auto &[offset, values] : changes)
            std::ranges::copy(values, bytes.begin() + image_.recordOffset(6) + offset);
        return bytes;
    }

    TestImage image_;
    EditorHarness editor_;
};

// One field of each kind at both ends of its range, and no other byte: a text address is its low
// three bytes. The record is then shown as stored, on the same page.
TEST_F(ApplyTest, WritesEachKindOfFieldAtBothEndsAndNoOtherByte)
{
    const std::tuple<const char *, int, QVariant, Bytes, QVariant, Bytes> limits[]{
        {"chkFlag", 0, false, {0}, true, {1}},
        {"txtName", 1, "", Bytes(25, 0), "Frog", {0x76, 0xA2, 0x9F, 0x97}},
        {"cmbInside", 28, 0, {0, 0}, 110, {110, 0}},
        {"cmbOutside", 30, 0, {1, 0}, 462, {0xCF, 0x01}},
        {"txtExp", 37, "-2147483648", {0, 0, 0, 0x80}, "4294967295", {0xFF, 0xFF, 0xFF, 0xFF}},
        {"txtMove", 43, "-32768", {0x00, 0x80}, "65535", {0xFF, 0xFF}},
        {"txtDeath", 49, "0", {0, 0, 0}, "fffffe", {0xFE, 0xFF, 0xFF}},
        {"cmbMusic", 55, 0, {0}, 191, {191}},
        {"cmbAct1", 70, 0, {0, 0}, 61, {61, 0}}, // a normal action, then a PSI one
        {"cmbArgs(0)", 80, 0, {1}, 254, {255}},
        {"txtMaxCall", 92, "0", {0}, "255", {255}}};
    for (const int end : {0, 1}) {
        Bytes expected = image_.contents();
        for (const auto &[control, offset, low, lowBytes, high, highBytes] : limits) {
            const QVariant value = end ? high : low;
            if (value.typeId() == QMetaType::Bool)
                editor_.find<QCheckBox>(control)->setChecked(value.toBool());
            else if (value.typeId() == QMetaType::Int)
                editor_.choose(control, value.toInt());
            else
                editor_.type(control, value.toString());
            std::ranges::copy(end ? highBytes : lowBytes,
                              expected.begin() + image_.recordOffset(6) + offset);
        }
        editor_.clickTab(1 + end);
        editor_.clickApply(2 - end);
        EXPECT_TRUE(editor_.takeMessages().isEmpty());
        EXPECT_TRUE(image_.contents() == expected) << end;
        EXPECT_EQ(editor_.edit("txtDeath")->text() + editor_.visibleFrame(),
                  end ? "FFFFFEfrmThree" : "000000frmTwo");
    }
}

// Flag 7, type 5 and action 319 have no entry, an outside picture of 0 is
// none: all are shown as none, with a note, and kept when another field is applied.
TEST_F(ApplyTest, ValuesWithoutAnEntryAreWrittenBackAsTheyWere)
{
    image_.setRecordBytes(6, 0, {7});
    image_.setRecordBytes(6, 27, {5, 0x2C, 0x01, 0, 0});
    image_.setRecordBytes(6, 70, {0x3F, 0x01});
    editor_.loadRom(image_.path());
    editor_.choose("cmbEnemy(0)", 6);
    EXPECT_EQ(editor_.find<QCheckBox>("chkFlag")->checkState(), Qt::PartiallyChecked);
    QString shown;
    for (const char *list : {"cmbType", "cmbOutside", "cmbAct1"})
        shown += QString::number(editor_.combo(list)->currentIndex()) +
                 editor_.combo(list)->placeholderText() + "|";
    EXPECT_EQ(shown, "-1(stored value 5)|-1|-1(stored value 319)|");
    editor_.type("txtHP", "300");
    editor_.clickApply();
    EXPECT_TRUE(image_.contents() == imageWith({{33, {0x2C, 0x01}}}));
    // Once clicked, the flag's box takes two states and never the stored one again.
    auto *flag = editor_.find<QCheckBox>("chkFlag");
    QString states;
    for (int k = 0; k < 3; ++k) {
        QTest::mouseClick(flag, Qt::LeftButton, {}, QPoint(6, flag->height() / 2));
        states += QString::number(flag->checkState());
    }
    EXPECT_EQ(states, "202");
}

// Applied from the next page, a refusal says what the model says, shows the
// field's page with the focus on it, and writes nothing. Typing is never
// undone under the user's keys, nor cut past a field's length.
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
        editor_.clickApply(page == 2 ? 0 : 2 - page);
        const Refusal refusal =
            field == Field::Name
                ? *NameRefusal(text)
                : Refusal{.field = field, .text = text, .accepted = AcceptedText(LayoutOf(field))};
        EXPECT_EQ(editor_.takeMessages(), QStringList(QString::fromStdString(refusal.message())));
        EXPECT_EQ(editor_.tabs()->currentIndex(), page) << control;
        EXPECT_EQ(QApplication::focusWidget(), editor_.find(control));
        EXPECT_TRUE(image_.contents() == before) << control;
        editor_.type(control, shown);
    }
    // Keys typed stay as typed while they read as the value shown.
    QLineEdit *hp = editor_.edit("txtHP");
    hp->selectAll();
    QTest::keyClicks(hp, "0300");
    EXPECT_EQ(hp->text(), "0300");
    editor_.clickApply();
    const int enemy = editor_.window().editor().shownEnemy();
    EXPECT_EQ(image_.recordBytes(enemy)[33] | image_.recordBytes(enemy)[34] << 8, 300);
    QTest::keyClicks(editor_.edit("txtName"), QString(30, 'x'));
    EXPECT_EQ(editor_.edit("txtName")->text().size(), 25);
}

// Apply All with edits refused in several enemies shows the first of them,
// with the focus in the refused field, says why once, and writes nothing.
TEST_F(ApplyTest, ApplyAllShowsTheFirstEnemyWhoseEditIsRefused)
{
    editor_.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor_.window()));
    const Bytes before = image_.contents();
    for (const auto &[enemy, text] : {std::pair(3, "1.5"), std::pair(7, "abc")}) {
        editor_.window().showEnemy(enemy);
        editor_.type("txtHP", text);
    }
    editor_.find<QAction>("mnuApplyAll")->trigger();
    EXPECT_EQ(editor_.window().editor().shownEnemy(), 3);
    EXPECT_EQ(QApplication::focusWidget(), editor_.find("txtHP"));
    const Refusal refusal{
        .field = Field::HP, .text = "1.5", .accepted = AcceptedText(LayoutOf(Field::HP))};
    EXPECT_EQ(editor_.takeMessages(), QStringList(QString::fromStdString(refusal.message())));
    EXPECT_TRUE(editor_.takePreviews().isEmpty());
    EXPECT_TRUE(image_.contents() == before);
}

// An apply is one write of the whole record; a failed sync is told, not taken for success, and
// the step can be undone. With nothing edited, nothing is written: the file keeps its time.
TEST_F(ApplyTest, AnApplyIsOneWriteAndAFailedSyncIsTold)
{
    auto probe = std::make_shared<FileProbe>();
    editor_.window().session().setFileOpener(ProbedOpener(probe));
    editor_.closeRom();
    editor_.loadRom(image_.path());
    editor_.choose("cmbEnemy(0)", 6);
    probe->failSync = true;
    editor_.type("txtLevel", "77");
    editor_.clickApply();
    EXPECT_EQ(editor_.takeMessages().filter("may not be on the disk yet").size(), 1);
    EXPECT_EQ(image_.recordBytes(6)[54], 77);
    EXPECT_EQ(editor_.find<QAction>("mnuUndo")->text(), "&Undo Apply to 007: Boss");
    const auto applied = image_.contents();
    const auto writtenAt = std::filesystem::last_write_time(image_.path());
    editor_.clickApply();
    EXPECT_TRUE(editor_.takeMessages().isEmpty());
    EXPECT_EQ(editor_.window().statusBar()->currentMessage(), "Nothing to apply");
    editor_.window().statusBar()->clearMessage();
    editor_.find<QAction>("mnuApplyAll")->trigger();
    EXPECT_EQ(editor_.window().statusBar()->currentMessage(), "Nothing to apply");
    EXPECT_TRUE(image_.contents() == applied);
    EXPECT_EQ(std::filesystem::last_write_time(image_.path()), writtenAt);
    EXPECT_EQ(probe->writeCalls, 1);
}

using RoundTripTest = testing::TestWithParam<std::uint64_t>;

// Whatever its bytes, with or without a copier header, an apply of one edited field writes that
// field and leaves every other byte of every record as it was.
TEST_P(RoundTripTest, AnApplyWritesTheEditedFieldAndNoOtherByte)
{
    TestImage image(GetParam());
    image.fillRandom(static_cast<std::uint32_t>(GetParam()));
    auto expected = image.contents();
    EditorHarness editor;
    editor.window().session().setSyncAfterWrite(false); // what is written, not how durably
    editor.loadRom(image.path());
    for (int index = 0; index < ENEMY_COUNT; ++index) {
        editor.choose(index % 2 ? "cmbEnemy(1)" : "cmbEnemy(2)", index);
        auto &level = expected[image.recordOffset(index) + 54];
        level = static_cast<std::uint8_t>(level + 1);
        editor.type("txtLevel", QString::number(level));
        editor.clickApply(index % 3); // every page's button does the same
        ASSERT_TRUE(image.contents() == expected) << "record " << index;
    }
    EXPECT_TRUE(editor.takeMessages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(RandomImages, RoundTripTest,
                         testing::Values(MIN_IMAGE_SIZE, MIN_IMAGE_SIZE + 3072,
                                         HEADERLESS_IMAGE_SIZE, HEADERLESS_IMAGE_SIZE + 5120),
                         [](const auto &info) {
                             return (info.param % 1024 ? "Headered" : "Headerless") +
                                    std::to_string(info.index);
                         });

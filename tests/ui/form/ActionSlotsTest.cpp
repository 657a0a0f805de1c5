#include "EditorHarness.h"

#include <QTest>

using namespace mobwright;
using namespace mobwright::test;

// For each slot: the first entry of its argument list, which tells the
// kinds apart, its entry count and its selection.
static QString Arguments(const EditorHarness &editor)
{
    QStringList lists;
    for (const char *list : {"cmbArgs(0)", "cmbArgs(1)", "cmbArgs(2)", "cmbArgs(3)"}) {
        const QComboBox *box = editor.combo(list);
        lists << QStringLiteral("\"%1\" %2 %3").arg(box->itemText(0)).arg(box->count()).arg(box->currentIndex());
    }
    return lists.join(", ");
}

// Slots with a normal, a PSI, a call and an item action. Another action refills its slot only
// for another kind, selecting the first entry; the enemies are listed as the pickers are.
TEST(ActionSlots, OfferWhatTheirActionsKindNamesAndRefillOnlyForAnotherKind)
{
    TestImage image;
    image.setRecordBytes(0, 70, {4, 0, 12, 0, 245, 0, 159, 0, 0, 0, 1, 5, 230, 255});
    EditorHarness editor;
    editor.loadRom(image.path());
    const std::string loaded =
        R"x("" 1 0, "PSI Special 1" 255 4, "001: " 230 229, "1 - (unnamed)" 255 254)x";
    EXPECT_EQ(Arguments(editor).toStdString(), loaded);
    EXPECT_EQ(editor.combo("cmbArgs(3)")->itemText(254), "255 - ");
    for (const auto &[list, action] :
         {std::pair{"cmbAct2", 40}, {"cmbAct3", 62}, {"cmbAct4", 200}, {"cmbFinalAct", 10}})
        editor.choose(list, action);
    EXPECT_EQ(Arguments(editor).toStdString(), loaded);
    editor.choose("cmbAct1", 10);
    EXPECT_EQ(Arguments(editor).toStdString(),
              R"x("PSI Special 1" 255 0, "PSI Special 1" 255 4, "001: " 230 229, "1 - (unnamed)" 255 254)x");
    for (const auto &[list, action] : {std::pair{"cmbAct2", 63}, {"cmbAct3", 140}, {"cmbAct4", 0}})
        editor.choose(list, action);
    EXPECT_EQ(Arguments(editor).toStdString(),
              R"x("PSI Special 1" 255 0, "001: " 230 0, "1 - (unnamed)" 255 0, "" 1 0)x");
    editor.clickApply(2);
    const auto record = image.recordBytes(0);
    EXPECT_EQ(std::vector(record.begin() + 80, record.begin() + 84),
              std::vector<std::uint8_t>(4, 1));
}

// The enemy picker is framed when it has the focus, however it came by it.
TEST(EnemyPicker, ShowsItsFocusHoweverItCameByIt)
{
    TestImage image;
    EditorHarness editor;
    editor.loadRom(image.path());
    editor.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor.window()));
    QComboBox *picker = editor.combo("cmbEnemy(0)");
    editor.edit("txtName")->setFocus(Qt::MouseFocusReason);
    const QImage unfocused = picker->grab().toImage();
    picker->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(picker->hasFocus());
    EXPECT_NE(picker->grab().toImage(), unfocused);
}

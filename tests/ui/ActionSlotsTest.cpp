#include "EditorHarness.h"

using namespace mobwright;
using namespace mobwright::test;

// For each slot: the kind its argument list was filled for, its entry count
// and its selection.
static QString Arguments(const EditorHarness &editor)
{
    QStringList lists;
    for (const char *list : {"cmbArgs(0)", "cmbArgs(1)", "cmbArgs(2)", "cmbArgs(3)"}) {
        const QComboBox *box = editor.combo(list);
        lists << box->property("Tag").toString() +
                     QStringLiteral(" %1 %2").arg(box->count()).arg(box->currentIndex());
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
    const QString loaded = "TYPE_NORMAL 1 0, TYPE_PSI 255 4, TYPE_CALL 230 229, TYPE_ITEM 255 254";
    EXPECT_EQ(Arguments(editor), loaded);
    EXPECT_EQ(editor.combo("cmbArgs(0)")->itemText(0) + editor.combo("cmbArgs(1)")->itemText(0) +
                  "|" + editor.combo("cmbArgs(2)")->itemText(0) + "|" +
                  editor.combo("cmbArgs(3)")->itemText(254),
              "PSI Special 1|001: |255 - ");
    for (const auto &[list, action] :
         {std::pair{"cmbAct2", 40}, {"cmbAct3", 62}, {"cmbAct4", 200}, {"cmbFinalAct", 10}})
        editor.choose(list, action);
    EXPECT_EQ(Arguments(editor), loaded);
    editor.choose("cmbAct1", 10);
    EXPECT_EQ(Arguments(editor),
              "TYPE_PSI 255 0, TYPE_PSI 255 4, TYPE_CALL 230 229, TYPE_ITEM 255 254");
    for (const auto &[list, action] : {std::pair{"cmbAct2", 63}, {"cmbAct3", 140}, {"cmbAct4", 0}})
        editor.choose(list, action);
    EXPECT_EQ(Arguments(editor),
              "TYPE_PSI 255 0, TYPE_CALL 230 0, TYPE_ITEM 255 0, TYPE_NORMAL 1 0");
    editor.clickApply(2);
    const auto record = image.recordBytes(0);
    EXPECT_EQ(std::vector(record.begin() + 80, record.begin() + 84),
              std::vector<std::uint8_t>(4, 1));
}

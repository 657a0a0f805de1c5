#include "../../exchange/PatchAppliers.h"
#include "CompareActions.h"
#include "DifferencesView.h"
#include "EditorHarness.h"
#include "EnemyTableModel.h"
#include "EnemyTableView.h"
#include "EnemyEditor.h"
#include "PatchDialog.h"
#include "TextTable.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QStatusBar>
#include <QTableView>
#include <QTest>

using namespace mobwright;
using namespace mobwright::test;

namespace {

QString PathOf(const TestImage &image)
{
    return QString::fromStdString(image.path());
}

// An image's bytes without a copier header.
Bytes Headerless(Bytes image)
{
    if (image.size() % 1024 == COPIER_HEADER_SIZE)
        image.erase(image.begin(), image.begin() + COPIER_HEADER_SIZE);
    return image;
}

// A field or byte whose value the baseline has other than the image.
struct Change
{
    int enemy;
    int offset;
    Bytes baseline;
    Bytes image;
    const char *field; // as the differences list names it
    const char *baselineText;
    const char *imageText;
    const char *control; // whose label is marked; null for a byte no field shows
};

const Change Changes[]{
    {3, 26, {1}, {2}, "Byte 26", "1", "2", nullptr},
    {3, 27, {2}, {0}, "Type", "2", "0", "cmbType"},
    {3, 33, {0x2C, 0x01}, {0x10, 0}, "HP", "300", "16", "txtHP"},
    {3, 48, {7}, {0}, "Byte 48", "7", "0", nullptr}, // a text address's fourth byte
    {7, 0, {1}, {0}, "TheFlag", "1", "0", "chkFlag"},
    {7, 54, {5}, {6}, "Level", "5", "6", "txtLevel"},
};

// An image with a copier header and its baseline, the same without one but
// for the changes.
class CompareTest : public testing::Test
{
protected:
    CompareTest()
    {
        image_.fillRandom(31);
        for (const Change &change : Changes)
            image_.setBytes(image_.recordOffset(change.enemy) + change.offset, change.image);
        baseline_.setBytes(0, Headerless(image_.contents()));
        for (const Change &change : Changes)
            baseline_.setBytes(baseline_.recordOffset(change.enemy) + change.offset,
                               change.baseline);
        editor_.loadRom(image_.path());
        actions().compareWith(PathOf(baseline_));
    }

    ImageSession &session() { return editor_.window().session(); }
    CompareActions &actions() { return *editor_.window().findChild<CompareActions *>(); }
    void trigger(const char *action) { editor_.find<QAction>(action)->trigger(); }
    // The widget that names a field's control: its label, or the check box itself.
    QWidget *label(const char *control)
    {
        QWidget *widget = editor_.widget(control);
        for (auto *label : editor_.window().findChildren<QLabel *>()) {
            if (label->buddy() == widget)
                return label;
        }
        return widget;
    }
    // The fields of the shown enemy whose labels are marked, with the baseline's line of their tooltips.
    QStringList marked()
    {
        QStringList marks;
        for (const FieldLayout &layout : EnemyLayout) {
            const QString control = QString::fromStdString(std::string(layout.control));
            QWidget *named = label(qPrintable(control));
            if (named->font().italic())
                marks.append(control + ": " + editor_.widget(control)->toolTip().section(u'\n', -1));
        }
        return marks;
    }
    QList<int> markedEnemies()
    {
        QList<int> enemies;
        QAbstractItemModel *entries = editor_.combo("cmbEnemy(0)")->model();
        for (int row = 0; row < entries->rowCount(); ++row) {
            if (entries->data(entries->index(row, 0), Qt::ToolTipRole).toString().contains("baseline"))
                enemies.append(row);
        }
        return enemies;
    }

    TestImage image_;
    TestImage baseline_{HEADERLESS_IMAGE_SIZE};
    EditorHarness editor_;
};

} // namespace

// The labels of exactly the fields that differ, pending edits included, are
// marked, the baseline's value in the tooltip; the pickers mark the enemies.
TEST_F(CompareTest, MarksExactlyTheFieldsAndEnemiesThatDiffer)
{
    EXPECT_EQ(markedEnemies(), QList<int>({3, 7}));
    editor_.window().showEnemy(3);
    const QString type = editor_.combo("cmbType")->itemText(2);
    EXPECT_EQ(marked(),
              QStringList({"cmbType: Baseline: " + type + " (2)", "txtHP: Baseline: 300"}));
    editor_.type("txtHP", "300");
    editor_.type("txtPP", "7");
    EXPECT_EQ(marked().join('|'),
              "cmbType: Baseline: " + type + " (2)|txtPP: Baseline: " +
                  QString::number(image_.recordBytes(3)[35] | image_.recordBytes(3)[36] << 8));
    EXPECT_FALSE(label("txtHP")->font().italic());
    // The field's own help stays, without the baseline's line.
    const QString help = editor_.widget("txtHP")->toolTip();
    EXPECT_FALSE(help.contains("Baseline") || help.endsWith('\n') || help.isEmpty()) << help.toStdString();
    editor_.window().showEnemy(7);
    EXPECT_EQ(marked(), QStringList({"chkFlag: Baseline: 1", "txtLevel: Baseline: 5"}));
    editor_.window().showEnemy(8);
    EXPECT_EQ(marked(), QStringList());
    EXPECT_TRUE(editor_.widget("lblBaseline")->isVisible());
    trigger("mnuStopComparing");
    editor_.window().showEnemy(7);
    EXPECT_EQ(marked(), QStringList());
    EXPECT_EQ(markedEnemies(), QList<int>());
    EXPECT_FALSE(editor_.widget("lblBaseline")->isVisible());
}

// The list names every field and byte that differs; copied, it is
// tab-separated; choosing a row shows that enemy and field.
TEST_F(CompareTest, ListsTheDifferencesToCopyAndChoose)
{
    trigger("mnuDifferences");
    DifferencesView &view = actions().differences();
    QString expected = "Enemy\tField\tBaseline\tCurrent\n";
    for (const Change &change : Changes)
        expected += QStringList({session().enemyLabel(change.enemy), change.field,
                                 change.baselineText, change.imageText})
                        .join('\t') +
                    '\n';
    view.findChild<QPushButton *>("cmdCopyDifferences")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);

    // The list shows what Copy gives, in as many rows as the view knows of.
    auto *table = view.findChild<QTableView *>("tblDifferences");
    QString shown = "Enemy\tField\tBaseline\tCurrent\n";
    for (int row = 0; row < table->verticalHeader()->count(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->model()->columnCount(); ++column)
            cells.append(table->model()->index(row, column).data().toString());
        shown += cells.join('\t') + '\n';
    }
    EXPECT_EQ(shown, expected);
    emit table->activated(table->model()->index(5, 0));
    EXPECT_EQ(editor_.window().editor().shownEnemy(), 7);
    EXPECT_EQ(editor_.window().focusWidget(), editor_.widget("txtLevel"));

    // The row chosen stays chosen, by enemy and field, as edits add rows above it.
    const auto rowText = [table](int row) {
        return table->model()->index(row, 0).data().toString() + " " +
               table->model()->index(row, 1).data().toString();
    };
    const QString chosen = session().enemyLabel(3) + " HP";
    editor_.type("txtHP", "999"); // enemy 7's HP, after enemy 3's
    QTest::qWait(0);
    for (int row = 0; row < table->model()->rowCount(); ++row) {
        if (rowText(row) == chosen)
            table->setCurrentIndex(table->model()->index(row, 0));
    }
    editor_.window().showEnemy(0);
    editor_.type("txtHP", "5");
    QTest::qWait(0);
    EXPECT_EQ(rowText(table->currentIndex().row()), chosen);
    // The list goes with the image.
    trigger("mnuClose");
    EXPECT_FALSE(view.isVisible());
}

// Revert All takes every enemy that differs back to the baseline as one
// step; Revert takes the shown one alone, and leaves the others' edits.
TEST_F(CompareTest, RevertAllAndRevertTakeTheBaselinesRecords)
{
    trigger("mnuRevertAllToBaseline");
    EXPECT_EQ(session().pending().enemies(), std::vector<int>({3, 7}));
    EXPECT_EQ(session().undoText(), "Revert 2 enemies to the baseline");
    EXPECT_EQ(markedEnemies(), QList<int>());
    // The shown enemy alone, typing that no field takes included.
    editor_.window().showEnemy(3);
    editor_.type("txtHP", "not a number");
    editor_.window().showEnemy(7);
    editor_.type("txtLevel", "9");
    trigger("mnuRevertToBaseline");
    EXPECT_EQ(editor_.edit("txtLevel")->text(), "5");
    EXPECT_EQ(session().pendingOf(3)->unparsed.size(), 1u);
    editor_.window().showEnemy(3);
    trigger("mnuRevertToBaseline");
    EXPECT_EQ(editor_.edit("txtHP")->text(), "300");
    // Again, with nothing left to take back: told so, and no step made.
    const QString step = session().undoText();
    trigger("mnuRevertToBaseline");
    EXPECT_EQ(editor_.window().statusBar()->currentMessage(), "Nothing differs from the baseline");
    EXPECT_EQ(session().undoText(), step);
}

// A baseline refused is told, naming the one kept; a recent baseline is
// offered with its own image only.
TEST_F(CompareTest, ARefusedBaselineIsToldAndARecentOneIsOfferedWithItsImage)
{
    TestImage odd(HEADERLESS_IMAGE_SIZE + 100);
    actions().compareWith(PathOf(odd));
    EXPECT_TRUE(editor_.takeMessages().join("").endsWith(QFileInfo(PathOf(baseline_)).fileName() +
                                                         " as before."));
    TestImage other;
    editor_.loadRom(other.path());
    EXPECT_FALSE(editor_.find<QAction>("mnuRecentBaseline(0)"));
    editor_.loadRom(image_.path());
    editor_.find<QAction>("mnuRecentBaseline(0)")->trigger();
    EXPECT_EQ(session().baseline()->path(), PathOf(baseline_));
}

// The patches the dialog writes turn the baseline, with or without a
// header, into the image as it is on disk, in its own form or headerless.
TEST(ComparePatches, TurnTheBaselineIntoTheImageInEitherForm)
{
    for (const std::uint64_t size : {MIN_IMAGE_SIZE, HEADERLESS_IMAGE_SIZE}) {
        TestImage image(size), baseline(MIN_IMAGE_SIZE + HEADERLESS_IMAGE_SIZE - size);
        image.fillRandom(5);
        baseline.fillRandom(6);
        baseline.setBytes(baseline.size() - HEADERLESS_IMAGE_SIZE, Headerless(image.contents()));
        baseline.setRecordBytes(9, 40, {1, 2, 3});
        baseline.setBytes(baseline.size() - 1, Bytes{0xEE});
        EditorHarness editor;
        editor.loadRom(image.path());
        editor.window().findChild<CompareActions *>()->compareWith(PathOf(baseline));
        editor.type("txtHP", "1"); // pending: not in the patch
        ImageSession &session = editor.window().session();
        const Bytes target = image.contents();
        const Bytes header(target.begin(), target.begin() + COPIER_HEADER_SIZE);
        const QString patchFile = PathOf(image) + ".patch"; // removed with the image
        for (const ImageKind form : {session.rom().kind(), ImageKind::Headerless}) {
            Bytes source = Headerless(baseline.contents());
            if (form == ImageKind::CopierHeader)
                source.insert(source.begin(), header.begin(), header.end());
            const Bytes wanted = form == ImageKind::CopierHeader ? target : Headerless(target);
            for (const FileFormat *format : FormatHelper({FormatKind::Patch}).formats()) {
                ASSERT_EQ(ExportPatch(session, {format, form}, patchFile), std::nullopt);
                QFile file(patchFile);
                file.open(QIODevice::ReadOnly);
                const QByteArray written = file.readAll();
                const Bytes patch(written.begin(), written.end());
                EXPECT_EQ(format->key == u"ips" ? ApplyIps(source, patch)
                                                : ApplyBps(source, patch).value_or(Bytes{}),
                          wanted)
                    << size << " " << int(form) << " " << format->key.toStdString();
            }
        }
        const Bytes original = baseline.contents();
        for (const auto &[file, bytes] :
             {std::pair(&image, &target), std::pair(&baseline, &original)}) {
            EXPECT_TRUE(ExportPatch(session, {}, PathOf(*file))->contains("it is the image"));
            EXPECT_EQ(file->contents(), *bytes);
        }
    }
}

// Without a baseline, or without an image, no patch is written, and the user learns why.
TEST(ComparePatches, NeedAnImageAndABaseline)
{
    TestImage image;
    ImageSession session;
    const QString target = QString::fromStdString(image.path()) + ".ips";
    for (const bool open : {false, true}) {
        if (open)
            session.open(image.path());
        EXPECT_EQ(ExportPatch(session, {&FormatNamed(u"ips"), ImageKind::Headerless}, target),
                  "Choose an image to compare with first: File › Compare With.");
        EXPECT_FALSE(QFile::exists(target));
    }
}

// The table marks exactly the cells that differ, shows only the rows that
// do when asked, and takes the baseline's bytes into selected cells.
TEST_F(CompareTest, TheTableMarksAndRevertsCellsThatDiffer)
{
    trigger("mnuTable");
    auto *view = editor_.window().findChild<EnemyTableView *>("frmEnemyTable");
    EnemyTableModel &model = view->model();
    QStringList marked;
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int column = 0; column < model.columnCount(); ++column) {
            if (model.index(row, column).data(EnemyTableModel::DiffersRole).toBool())
                marked.append(QString::number(row) + " " + model.columnAt(column).name);
        }
    }
    QStringList changed;
    for (const Change &change : Changes)
        changed.append(QString::number(change.enemy) + " " + change.field);
    EXPECT_EQ(marked, changed);

    view->findChild<QComboBox *>("cmbShowDifferences")->setCurrentIndex(1);
    EXPECT_EQ(view->shownRows(), std::vector<int>({3, 7}));
    EXPECT_EQ(view->findChild<QLabel *>("lblCount")->text(), "2 of 230 enemies");
    // Only the rows that differ show every cell; only the cells that differ, theirs alone.
    const auto shownCells = [&] {
        int shown = 0;
        for (int column = 0; column < model.columnCount(); ++column)
            shown += model.index(3, column).data().toString().isEmpty() ? 0 : 1;
        return shown;
    };
    const int everyCell = shownCells();
    view->findChild<QComboBox *>("cmbShowDifferences")->setCurrentIndex(2);
    EXPECT_LT(shownCells(), everyCell);
    EXPECT_FALSE(model.index(3, model.sectionOf(*FindColumn("HP"))).data().toString().isEmpty());
    view->findChild<QComboBox *>("cmbShowDifferences")->setCurrentIndex(1);
    auto *table = view->findChild<QTableView *>("tblEnemies");
    table->selectionModel()->select(table->model()->index(0, model.sectionOf(*FindColumn("HP"))),
                                    QItemSelectionModel::ClearAndSelect);
    editor_.window().showEnemy(3);
    editor_.type("txtHP", "lots"); // a text the field does not take, kept as typed
    trigger("mnuRevertCellsToBaseline");
    EXPECT_EQ(session().shown(3).value(Field::HP), 300u);
    EXPECT_EQ(editor_.edit("txtHP")->text(), "300");
    EXPECT_EQ(session().pending().enemies(), std::vector<int>({3}));
}

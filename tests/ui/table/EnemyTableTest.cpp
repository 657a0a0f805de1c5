#include "AdjustDialog.h"
#include "EditorHarness.h"
#include "EnemyTableModel.h"
#include "CellCommands.h"
#include "EnemyTableView.h"
#include "TestImage.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace mobwright;
using namespace mobwright::test;

namespace {

// What Qt warns of about cell editors.
QStringList EditorWarnings;

class EnemyTableTest : public testing::Test
{
protected:
    EnemyTableTest()
    {
        // HP 1000 down to 992 for enemies 1-5, one digit for the rest: text order differs.
        for (int k = 0; k < 230; ++k) {
            const int hp = k < 5 ? 1000 - 2 * k : 9 - k % 9;
            image_.setRecordBytes(k, 33, {std::uint8_t(hp), std::uint8_t(hp >> 8)});
            image_.setName(k, k % 7 == 0 ? "Rust Beetle" : "Frog");
        }
        editor_.loadRom(QString::fromStdString(image_.path()));
        action("mnuTable")->trigger();
        view_ = editor_.window().findChild<EnemyTableView *>("frmEnemyTable");
        table_ = view_->findChild<QTableView *>("tblEnemies");
    }

    QAction *action(const char *name) { return editor_.window().findChild<QAction *>(name); }
    int column(const char *key) const
    {
        return view_->model().sectionOf(*FindColumn(QString::fromLatin1(key)));
    }
    QModelIndex at(int row, const char *key) const { return table_->model()->index(row, column(key)); }
    QString cell(int row, const char *key) const { return at(row, key).data().toString(); }
    void select(int firstRow, int lastRow, std::initializer_list<const char *> keys)
    {
        table_->clearSelection();
        for (const char *key : keys)
            table_->selectionModel()->select(QItemSelection(at(firstRow, key), at(lastRow, key)),
                                             QItemSelectionModel::Select);
    }
    // A right click on key's title, and a click on the menu's entry named entry.
    void chooseInHeaderMenu(const char *key, const char *entry)
    {
        QHeaderView *titles = table_->horizontalHeader();
        ChooseInContextMenu(titles->viewport(),
                            {titles->sectionViewportPosition(column(key)) + 4, titles->height() / 2},
                            entry);
    }
    int hpInFile(int index) const { return image_.recordBytes(index)[33] | image_.recordBytes(index)[34] << 8; }

    TestImage image_;
    EditorHarness editor_;
    EnemyTableView *view_ = nullptr;
    QTableView *table_ = nullptr;
};

} // namespace

TEST_F(EnemyTableTest, SortsNumbersAsNumbersFiltersByComparisonAndKeepsTheNamesInView)
{
    ASSERT_TRUE(table_ && table_->isVisible());
    // The title's menu sorts by its column, with the arrow on the title.
    QHeaderView *titles = table_->horizontalHeader();
    chooseInHeaderMenu("HP", "mnuSortDescending");
    EXPECT_EQ(titles->sortIndicatorSection(), column("HP"));
    EXPECT_EQ(titles->sortIndicatorOrder(), Qt::DescendingOrder);
    EXPECT_EQ(cell(0, "HP") + " " + cell(4, "HP") + " " + cell(5, "HP"), "1000 992 9");
    chooseInHeaderMenu("HP", "mnuSortAscending");
    EXPECT_EQ(cell(0, "HP"), "1");
    chooseInHeaderMenu("Level", "mnuSortByEnemy");
    EXPECT_EQ(cell(0, "HP") + " " + cell(229, "Enemy"), "1000 230");
    EXPECT_EQ(titles->sortIndicatorSection(), -1) << "the Enemy column, in the other view, has the arrow";
    auto *filter = view_->findChild<QLineEdit *>("txtFilter");
    filter->setText("HP > 995, name ~ beetle");
    EXPECT_EQ(table_->model()->rowCount(), 1);
    EXPECT_EQ(view_->findChild<QLabel *>("lblCount")->text(), "1 of 230 enemies");
    filter->setText("HP >");
    EXPECT_FALSE(filter->styleSheet().isEmpty()) << "a filter that cannot be read is marked";
    EXPECT_EQ(table_->model()->rowCount(), 1);
    // Enemy and Name live in the view that does not scroll sideways.
    const auto *names = view_->findChild<QTableView *>("tblEnemyNames");
    EXPECT_TRUE(table_->isColumnHidden(column("Name")) && !names->isColumnHidden(column("Name")));
    EXPECT_TRUE(!table_->isColumnHidden(column("HP")) && names->isColumnHidden(column("HP")));
    EXPECT_EQ(table_->model()->headerData(column("MaxCall"), Qt::Horizontal).toString(), "Max Call");
    EXPECT_EQ(cell(0, "Type"), "0 – Normal");
}

// A title selects its column and an enemy's number its row, as a spreadsheet's headers do:
// "^" Ctrl, "+" Shift, "A>B" a drag. The sorting arrow stays; commands reach no column hidden
// between two selected (Byte 57 lies between Offense and Defense).
TEST_F(EnemyTableTest, HeadersSelectWholeColumnsAndRows)
{
    auto *names = view_->findChild<QTableView *>("tblEnemyNames");
    const auto place = [&](const QString &where) -> std::pair<QWidget *, QPoint> {
        if (where[0].isDigit() || where[0] == 'n') // an enemy's number, or its name ("n5")
            return {names->viewport(), names->visualRect(where[0] == 'n' ? at(where.mid(1).toInt(), "Name")
                                                                         : at(where.toInt(), "Enemy")).center()};
        const QHeaderView *titles = table_->horizontalHeader();
        return {titles->viewport(), {titles->sectionViewportPosition(column(qPrintable(where))) + 4, titles->height() / 2}};
    };
    const auto selected = [&] {
        QStringList whole;
        for (const Column *shown : view_->shownColumns())
            whole += table_->selectionModel()->isColumnSelected(view_->model().sectionOf(*shown)) ? shown->name : "";
        for (int row = 0; row < table_->model()->rowCount(); ++row)
            whole += table_->selectionModel()->isRowSelected(row) ? QString::number(row) : "";
        whole.removeAll("");
        return whole.join(' ').toStdString();
    };
    // No two presses in a row at one place, which would make a double click.
    for (const auto &[gestures, expected] : std::vector<std::pair<QString, std::string>>{
             {"HP +Exp", "HP PP Exp"}, {"HP ^Level", "HP Level"}, {"HP +PP ^HP", "PP"}, {"Exp>HP", "HP PP Exp"},
             {"HP", "HP"}, {"Offense +Defense", "Offense Defense"}, {"3 +5", "3 4 5"}, {"HP 3", "3"},
             {"1 ^4>5", "1 4 5"}, {"3 ^1", "1 3"}, {"3>5 ^4", "3 5"}, {"6>4", "4 5 6"}, {"3 n5", ""}}) {
        for (QString gesture : gestures.split(' ')) {
            const auto modifiers = gesture[0] == '^' ? Qt::ControlModifier : gesture[0] == '+' ? Qt::ShiftModifier : Qt::NoModifier;
            const QStringList ends = gesture.remove(QRegularExpression("^[\\^+]")).split('>');
            const auto [widget, from] = place(ends.front());
            QTest::mousePress(widget, Qt::LeftButton, modifiers, from);
            const QPoint to = ends.size() > 1 ? place(ends.back()).second : from; // the press may scroll
            if (ends.size() > 1)
                QTest::mouseMove(widget, to);
            QTest::mouseRelease(widget, Qt::LeftButton, modifiers, to);
        }
        EXPECT_EQ(selected(), expected) << gestures.toStdString();
        EXPECT_EQ(names->horizontalHeader()->sortIndicatorSection() + table_->horizontalHeader()->sortIndicatorSection(),
                  column("Enemy") - 1);
        for (const TableCell &cell : view_->selectedCells())
            ASSERT_NE(cell.column->name, "Byte 57");
    }
    // A Shift+click whose anchor a filter took away starts afresh.
    const auto press = [&](const QString &where, Qt::KeyboardModifiers modifiers) {
        const auto [widget, at] = place(where);
        QTest::mouseClick(widget, Qt::LeftButton, modifiers, at);
    };
    press("5", Qt::NoModifier);
    view_->findChild<QLineEdit *>("txtFilter")->setText("Enemy <= 5");
    ASSERT_EQ(table_->model()->rowCount(), 5);
    press("2", Qt::ShiftModifier);
    EXPECT_EQ(selected(), "2");
    view_->findChild<QLineEdit *>("txtFilter")->clear();
    // Ctrl+Space selects the columns of the cells selected, Shift+Space their rows.
    view_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view_));
    for (const auto &[keys, expected] : {std::pair{Qt::ControlModifier, "HP Level"}, std::pair{Qt::ShiftModifier, "2 4"}}) {
        select(2, 2, {"HP"});
        table_->selectionModel()->select(at(4, "Level"), QItemSelectionModel::Select);
        QTest::keyClick(table_, Qt::Key_Space, keys);
        EXPECT_EQ(selected(), expected);
        EXPECT_EQ(table_->findChild<QLineEdit *>("txtCell"), nullptr) << "no edit begun";
    }
}

// A value typed in the form shows in the table at once and the other way
// round; a cell refuses what the form refuses, staying in edit.
TEST_F(EnemyTableTest, FormAndTableShowTheSamePendingEdits)
{
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &text) {
        EditorWarnings << text;
    });
    editor_.type("txtHP", "4321");
    EXPECT_EQ(cell(0, "HP"), "4321");
    EXPECT_TRUE(at(0, "HP").data(Qt::FontRole).value<QFont>().bold());
    ASSERT_TRUE(table_->model()->setData(at(0, "Level"), "77"));
    EXPECT_EQ(editor_.edit("txtLevel")->text(), "77");

    table_->setCurrentIndex(at(0, "Level"));
    table_->edit(at(0, "Level"));
    auto *editor = table_->findChild<QLineEdit *>("txtCell");
    ASSERT_TRUE(editor);
    editor->setText("256");
    EXPECT_FALSE(editor->styleSheet().isEmpty()) << "refused text is framed as it is typed";
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_TRUE(editor->isVisible()) << "a refused cell stays in edit";
    EXPECT_TRUE(editor->toolTip().contains("from 0 to 255"));
    EXPECT_EQ(editor_.edit("txtLevel")->text(), "77");
    editor->setText("78");
    QTest::keyClick(editor, Qt::Key_Return); // taken once the event loop turns
    EXPECT_TRUE(QTest::qWaitFor([this] { return editor_.edit("txtLevel")->text() == "78"; }));
    qInstallMessageHandler(previous);
    EXPECT_EQ(EditorWarnings.filter("editor").join('|').toStdString(), "");

    // A list cell edits through its list, numbered by what it stores.
    table_->edit(at(0, "Type"));
    auto *list = table_->findChild<QComboBox *>("cmbCell");
    ASSERT_TRUE(list);
    EXPECT_EQ(list->count(), 3);
    list->setCurrentIndex(2);
    QTest::keyClick(list, Qt::Key_Return); // taken once the event loop turns
    EXPECT_TRUE(QTest::qWaitFor([this] { return editor_.combo("cmbType")->currentIndex() == 2; }));
}

// A list cell takes an entry's name typed in any case, completing it from any part of its
// label; what fits no entry is refused, and the cell stays in edit.
TEST_F(EnemyTableTest, AListCellCompletesAndTakesNamesTyped)
{
    // Editing says nothing on standard error.
    static QStringList warned;
    const QtMessageHandler before = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &message) {
        warned += message.contains("editor") ? message : QString();
    });
    const auto typeInto = [this](const QString &text, bool completes, std::initializer_list<Qt::Key> inPopup) {
        view_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(view_));
        table_->setCurrentIndex(at(0, "Type"));
        table_->edit(at(0, "Type"));
        auto *box = table_->findChild<QComboBox *>("cmbCell");
        QTest::keyClicks(box, text);
        QAbstractItemView *popup = box->completer()->popup();
        EXPECT_EQ(popup->isVisible(), completes) << text.toStdString();
        for (const Qt::Key key : inPopup)
            QTest::keyClick(popup, key);
        QTest::keyClick(box, Qt::Key_Return);
        // Taken once the event loop turns; a refused one stays.
        (void)QTest::qWaitFor([this] { return !table_->findChild<QComboBox *>("cmbCell"); }, 500);
        return box;
    };
    typeInto("SECT", true, {Qt::Key_Down, Qt::Key_Return});
    EXPECT_EQ(editor_.combo("cmbType")->currentIndex(), 1);
    typeInto("2", false, {});
    EXPECT_EQ(editor_.combo("cmbType")->currentIndex(), 2);
    typeInto("normal", true, {});
    EXPECT_EQ(editor_.combo("cmbType")->currentIndex(), 0);
    QComboBox *refused = typeInto("bogus", false, {});
    ASSERT_EQ(table_->findChild<QComboBox *>("cmbCell"), refused) << "a refused cell stays in edit";
    EXPECT_FALSE(refused->lineEdit()->styleSheet().isEmpty());
    EXPECT_TRUE(refused->toolTip().startsWith("Accepts")) << refused->toolTip().toStdString();
    EXPECT_EQ(editor_.combo("cmbType")->currentIndex(), 0);
    qInstallMessageHandler(before);
    EXPECT_EQ(warned.join("").toStdString(), "");
}

// A paste is refused whole when one cell refuses it; a paste, Fill Down and
// Adjust are each one step of the history.
TEST_F(EnemyTableTest, PasteFillDownAndAdjustAreOneStepEach)
{
    table_->sortByColumn(column("Enemy"), Qt::AscendingOrder);
    select(0, 0, {"HP"});
    view_->pasteText("10\t20\n30\tx\n");
    EXPECT_TRUE(editor_.takeMessages().value(0).contains("Enemy 002, column \"PP\""));
    EXPECT_TRUE(editor_.window().session().pending().empty());
    // Half of a character pair is refused in a paste and a cell as the form refuses it.
    const QString half = "Frog" + QString(QChar(0xD83D));
    select(0, 0, {"Name"});
    view_->pasteText(half);
    EXPECT_FALSE(table_->model()->setData(at(0, "Name"), half));
    editor_.type("txtName", half);
    editor_.clickApply();
    const QStringList refused = editor_.takeMessages();
    ASSERT_EQ(refused.size(), 2);
    EXPECT_TRUE(refused[0].contains("column \"Name\": cannot take \"FrogU+FFFD\""));
    EXPECT_TRUE(refused[1].contains("The field \"Name\" cannot take \"FrogU+FFFD\""));
    EXPECT_EQ(cell(0, "Name"), "Frog" + QString(QChar(0xFFFD))) << "the form's pending text";
    action("mnuTableUndo")->trigger();
    // Too much text is refused unread; the table's refusals speak of no file.
    view_->pasteText(QString(MAX_PASTED_TEXT + 1, u'7'));
    view_->pasteText(QString("1\n").repeated(231));
    action("mnuAdjust")->trigger();
    EXPECT_EQ(editor_.takeMessages().join('|').toStdString(),
              "Nothing was pasted: the text is over 16 MiB, far more than the table's cells hold.|"
              "Nothing was pasted: the pasted rows reach past the last row shown.|"
              "Nothing to adjust: select number cells (HP, Level, a byte…) first.");

    select(0, 0, {"HP"});
    view_->pasteText("10\t20\n30\t40\n");
    EXPECT_EQ(cell(1, "PP"), "40");
    EXPECT_EQ(editor_.window().session().undoText(), "Paste 4 cells");
    select(0, 4, {"HP", "PP"});
    action("mnuFillDown")->trigger();
    EXPECT_EQ(cell(4, "HP") + " " + cell(4, "PP"), "10 20");
    EXPECT_EQ(editor_.window().session().undoText(), "Fill Down 8 cells");
    action("mnuTableUndo")->trigger();
    EXPECT_EQ(cell(4, "HP"), "992");
    // Reverting a block takes back the pasted cells; the rows without edits are left alone.
    action("mnuRevertCells")->trigger();
    EXPECT_EQ(editor_.window().session().undoText(), "Revert 4 cells");
    EXPECT_EQ(cell(1, "PP"), cell(4, "PP"));
}

// Copy gives the selected cells, tab-separated; whole columns come with their titles.
TEST_F(EnemyTableTest, CopyGivesWholeColumnsTheirTitles)
{
    table_->sortByColumn(column("Enemy"), Qt::AscendingOrder);
    select(0, 1, {"HP", "PP"});
    // From the menu a right click on the cells opens.
    ChooseInContextMenu(table_->viewport(), table_->visualRect(at(0, "HP")).center(), "mnuCopyCells");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "1000\t0\n998\t0\n");
    table_->selectColumn(column("HP"));
    action("mnuCopyCells")->trigger();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("HP\n1000\n998\n"))
        << QGuiApplication::clipboard()->text().left(20).toStdString();
}

// The table shows what another image holds once that image is loaded.
TEST_F(EnemyTableTest, AnotherImageShowsItsOwnValues)
{
    TestImage other;
    other.setRecordBytes(0, 33, {0x39, 0x05});
    editor_.loadRom(QString::fromStdString(other.path()));
    action("mnuTable")->trigger();
    table_->sortByColumn(column("Enemy"), Qt::AscendingOrder);
    EXPECT_EQ(cell(0, "HP"), "1337");
}

// Raising HP and Exp by a tenth for every enemy: click HP's title, Ctrl+click
// Exp's, Ctrl+J, Apply All, which previews and writes them.
TEST_F(EnemyTableTest, AnAdjustmentOfWholeColumnsIsPreviewedAndWritten)
{
    QHeaderView *titles = table_->horizontalHeader();
    for (const auto &[key, modifiers] : {std::pair{"HP", Qt::NoModifier}, std::pair{"Exp", Qt::ControlModifier}}) {
        const QPoint title(titles->sectionViewportPosition(column(key)) + 4, titles->height() / 2);
        QTest::mouseClick(titles->viewport(), Qt::LeftButton, modifiers, title);
    }
    view_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view_));
    editor_.prompter().adjust = [](QWidget *, const AdjustQuestion &) {
        return std::optional(Adjustment{Adjustment::Operation::MultiplyBy, 1.1, true});
    };
    QTest::keyClick(table_, Qt::Key_J, Qt::ControlModifier);
    view_->findChild<QPushButton *>("cmdApplyAll")->click();
    // Small HPs round back to themselves; every Exp is 0.
    EXPECT_EQ(editor_.takePreviews(),
              QStringList("Apply All writes 130 fields of 130 enemies into the image."));
    EXPECT_EQ(hpInFile(0) + hpInFile(9), 1100 + 10);
}

TEST_F(EnemyTableTest, EnterOnARowGoesToThatEnemyAndTheTableClosesWithTheImage)
{
    // Other keys type into the cell.
    table_->setCurrentIndex(at(2, "HP"));
    QTest::keyClick(table_, Qt::Key_5);
    EXPECT_EQ(editor_.combo("cmbEnemy(0)")->currentIndex(), 0);
    ASSERT_TRUE(table_->findChild<QLineEdit *>("txtCell"));
    QTest::keyClick(table_->findChild<QLineEdit *>("txtCell"), Qt::Key_Escape);
    table_->setCurrentIndex(at(1, "HP"));
    QTest::keyClick(table_, Qt::Key_Return);
    EXPECT_EQ(editor_.combo("cmbEnemy(0)")->currentIndex(), 1);
    editor_.closeRom();
    EXPECT_FALSE(view_->isVisible());
    EXPECT_EQ(table_->model()->rowCount(), 0) << "the closed image's values are let go";
}

// Cells paint as the style paints them: plain, edited, selected, current,
// and too narrow for their text, which the style elides.
TEST_F(EnemyTableTest, CellsPaintAsTheStylePaintsThem)
{
    editor_.type("txtHP", "4321");
    table_->setCurrentIndex(at(3, "Level"));
    select(5, 7, {"HP", "Type"});
    table_->setColumnWidth(column("InsidePic"), 30);
    view_->resize(6000, 400);
    table_->scrollToTop();
    table_->horizontalScrollBar()->setValue(0);
    for (const QModelIndex &cell : {at(0, "HP"), at(3, "Level"), at(5, "Type"), at(0, "InsidePic")})
        ASSERT_TRUE(table_->viewport()->rect().contains(table_->visualRect(cell))) << cell.column();
    const QImage ours = table_->viewport()->grab().toImage();
    table_->setItemDelegate(new QStyledItemDelegate(table_));
    const QImage theirs = table_->viewport()->grab().toImage();
    EXPECT_TRUE(ours == theirs);
}

// Every column shown has room for its title with the sort arrow, and for
// each of its cells, bold and italic, as the style measures them; numbers
// at the top of their range included. The header is as tall as its titles.
TEST_F(EnemyTableTest, EveryColumnHasRoomForItsTitleAndItsMarkedCells)
{
    ASSERT_TRUE(table_->model()->setData(at(9, "HP"), "65535"));
    ASSERT_TRUE(table_->model()->setData(at(9, "Exp"), "4294967295"));
    for (QTableView *view : view_->findChildren<QTableView *>()) {
        QStyleOptionViewItem option;
        option.initFrom(view);
        option.font.setBold(true);
        option.font.setItalic(true);
        const QHeaderView *header = view->horizontalHeader();
        QHeaderView measuringEach(Qt::Horizontal);
        measuringEach.setModel(view->model());
        EXPECT_EQ(header->sizeHint().height(), measuringEach.sizeHint().height());
        for (int section = 0; section < header->count(); ++section) {
            if (view->isColumnHidden(section))
                continue;
            const int room = view->columnWidth(section) - (view->showGrid() ? 1 : 0);
            EXPECT_LE(header->sectionSizeHint(section), view->columnWidth(section)) << section;
            for (int row = 0; row < view->model()->rowCount(); ++row) {
                const QModelIndex index = view->model()->index(row, section);
                ASSERT_LE(view->itemDelegate()->sizeHint(option, index).width(), room)
                    << index.data().toString().toStdString();
            }
        }
    }
}

// Raising HP by a tenth as a spreadsheet user does: Ctrl+J, "× 1.1" and
// Return in the box the dialog opens with. A formula's changes are
// previewed first, those clamped marked; refused ones keep OK from working.
TEST_F(EnemyTableTest, AdjustPreviewsWhatIsTypedAndTakesItOnReturn)
{
    table_->sortByColumn(column("Enemy"), Qt::AscendingOrder);
    select(0, 5, {"HP"});
    editor_.prompter().adjust = AskAdjustment;
    view_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view_));
    QStringList seen;
    QTimer::singleShot(0, [&seen] {
        QWidget *dialog = QApplication::activeModalWidget();
        QWidget *box = dialog->focusWidget();
        if (!box) {
            ADD_FAILURE() << "nothing has the focus";
            dialog->close();
            return;
        }
        QTest::keyClicks(box, "= HP * 70");
        const auto *preview = dialog->findChild<QTreeWidget *>("lstAdjustPreview");
        if (const QTreeWidgetItem *first = preview->topLevelItem(0))
            seen << first->text(0) + ": " + first->text(3);
        auto *refuse = dialog->findChild<QRadioButton *>("optRefuse");
        QTest::mouseClick(refuse, Qt::LeftButton, {}, QPoint(8, refuse->height() / 2)); // on its circle
        const auto *ok = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        seen << dialog->findChild<QLabel *>("lblAdjustPreview")->text() + (ok->isEnabled() ? " OK" : "");
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, "× 1.1");
        QTest::keyClick(box, Qt::Key_Return);
    });
    QTest::keyClick(table_, Qt::Key_J, Qt::ControlModifier);
    EXPECT_EQ(seen.join('|').toStdString(), "001: Rust Beetle: 65,535 (clamped from 70,000)|"
                                            "Formula: HP * 70: 6 cells change, 5 refused: nothing would be adjusted");
    EXPECT_EQ(cell(0, "HP") + " " + cell(1, "HP") + " " + cell(5, "HP"), "1100 1098 4");
    EXPECT_EQ(editor_.window().session().undoText(), "Adjust 6 cells");
}

// A whole record is copied onto the enemies of the rows selected, and two
// are swapped, each one step; every enemy keeps its number.
TEST_F(EnemyTableTest, RecordsAreCopiedOntoSelectedEnemiesAndSwapped)
{
    table_->sortByColumn(column("Enemy"), Qt::AscendingOrder);
    action("mnuPasteEnemy")->trigger();
    EXPECT_EQ(editor_.prompter().warnedOver.value(0), view_) << "the focus goes back to the table";
    select(0, 0, {"HP"});
    action("mnuCopyEnemy")->trigger();
    select(2, 3, {"Level", "PP"});
    action("mnuPasteEnemy")->trigger();
    const ImageSession &session = editor_.window().session();
    EXPECT_EQ(session.undoText(), "Paste 001: Rust Beetle onto 2 enemies");
    const auto row = [this](int k) { return cell(k, "Enemy") + " " + cell(k, "Name") + " " + cell(k, "HP"); };
    EXPECT_EQ(row(2) + " | " + row(3), "003 Rust Beetle 1000 | 004 Rust Beetle 1000");
    select(0, 1, {"Name"});
    action("mnuSwapEnemies")->trigger();
    EXPECT_EQ(session.undoText(), "Swap 001: Rust Beetle and 002: Frog");
    EXPECT_EQ(row(0) + " | " + row(1), "001 Frog 998 | 002 Rust Beetle 1000");
    select(0, 2, {"HP"});
    action("mnuSwapEnemies")->trigger();
    EXPECT_EQ(editor_.takeMessages().join('|').toStdString(),
              "Nothing was pasted: copy an enemy first (Copy Enemy).|"
              "Nothing was swapped: select cells in exactly two rows, the two enemies to swap.");
}

// The table opens within the screen's free area, and the next run opens it
// as it was left, maximised.
TEST_F(EnemyTableTest, OpensWithinTheScreenAndAsItWasLeft)
{
    const QRect room = view_->screen()->availableGeometry();
    EXPECT_TRUE(room.contains(view_->frameGeometry()));
    // Too large for it as the table is at first, it is made to fit, centred.
    EXPECT_LE((view_->geometry().center() - room.center()).manhattanLength(), 2);
    view_->showMaximized();
    view_->close();
    EditorHarness next;
    const TestImage other; // this one is open
    next.loadRom(QString::fromStdString(other.path()));
    next.find<QAction>("mnuTable")->trigger();
    auto *table = next.find<EnemyTableView>("frmEnemyTable");
    ASSERT_TRUE(table) << next.takeMessages().join(" ").toStdString();
    EXPECT_TRUE(table->isMaximized());
    table->showNormal();
    table->close(); // kept so for the tests after
}

// A screen reader gets each cell's name, value and help, and a name for
// every control that takes the focus.
TEST_F(EnemyTableTest, ScreenReadersGetCellsAndControlsNamed)
{
    editor_.type("txtHP", "4321");
    table_->sortByColumn(column("Enemy"), Qt::AscendingOrder);
    QAccessibleInterface *hp = QAccessible::queryAccessibleInterface(table_)->tableInterface()->cellAt(0, column("HP"));
    EXPECT_EQ(hp->text(QAccessible::Name), "HP of 001: Rust Beetle: 4321");
    EXPECT_TRUE(hp->text(QAccessible::Description).startsWith("Not written yet"));
    QStringList unnamed;
    for (QWidget *control : editor_.window().findChildren<QWidget *>()) { // the table's too
        if ((control->focusPolicy() & Qt::TabFocus) && control->isVisibleTo(control->window()) &&
            QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty())
            unnamed << control->metaObject()->className() + QString(" ") + control->objectName();
    }
    EXPECT_EQ(unnamed.join(", ").toStdString(), "");
}

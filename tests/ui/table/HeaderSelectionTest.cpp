#include "EditorHarness.h"
#include "EnemyTableModel.h"
#include "EnemyTableView.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

using namespace mobwright;
using namespace mobwright::test;

namespace {

// A press on a column's title ("HP") or an enemy's number (a row, "3"), with
// modifiers; a drag ends where "to" names.
struct Gesture
{
    const char *at;
    Qt::KeyboardModifiers modifiers = {};
    const char *to = nullptr;
};

struct GestureCase
{
    const char *name;
    std::vector<Gesture> gestures;
    const char *selected; // whole columns or rows, in the order shown
};

void PrintTo(const GestureCase &gestures, std::ostream *out) { *out << gestures.name; }

class HeaderSelectionTest : public testing::TestWithParam<GestureCase>
{
protected:
    HeaderSelectionTest()
    {
        editor_.loadRom(image_.path());
        editor_.find<QAction>("mnuTable")->trigger();
        view_ = editor_.find<EnemyTableView>("frmEnemyTable");
        table_ = editor_.find<QTableView>("tblEnemies");
        names_ = editor_.find<QTableView>("tblEnemyNames");
    }

    int section(const char *key) const { return view_->model().sectionOf(*FindColumn(key)); }
    // Where to press for a title or a row's number, and in which widget.
    std::pair<QWidget *, QPoint> place(const char *at) const
    {
        if (QChar(at[0]).isDigit()) {
            const QModelIndex number = names_->model()->index(QString(at).toInt(), section("Enemy"));
            return {names_->viewport(), names_->visualRect(number).center()};
        }
        const QHeaderView *titles = table_->horizontalHeader();
        return {titles->viewport(),
                QPoint(titles->sectionViewportPosition(section(at)) + 4, titles->height() / 2)};
    }
    void perform(const Gesture &gesture)
    {
        const auto [widget, from] = place(gesture.at);
        QTest::mousePress(widget, Qt::LeftButton, gesture.modifiers, from);
        const QPoint to = gesture.to ? place(gesture.to).second : from;
        if (gesture.to)
            QTest::mouseMove(widget, to);
        QTest::mouseRelease(widget, Qt::LeftButton, gesture.modifiers, to);
    }
    QString selected() const
    {
        const QItemSelectionModel &selection = *table_->selectionModel();
        QStringList whole;
        for (const QTableView *view : {names_, table_}) {
            for (int visual = 0; visual < view->horizontalHeader()->count(); ++visual) {
                const int column = view->horizontalHeader()->logicalIndex(visual);
                if (!view->isColumnHidden(column) && selection.isColumnSelected(column))
                    whole.append(view_->model().columnAt(column).name);
            }
        }
        for (int row = 0; row < table_->model()->rowCount(); ++row) {
            if (selection.isRowSelected(row))
                whole.append(QString::number(row));
        }
        return whole.join(' ');
    }

    TestImage image_;
    EditorHarness editor_;
    EnemyTableView *view_ = nullptr;
    QTableView *table_ = nullptr;
    QTableView *names_ = nullptr;
};

} // namespace

// A title selects its column, an enemy's number its row, as a spreadsheet's headers do; the
// arrow of the column sorted by stays where it was.
TEST_P(HeaderSelectionTest, SelectsWholeColumnsAndRows)
{
    for (const Gesture &gesture : GetParam().gestures)
        perform(gesture);
    EXPECT_EQ(selected().toStdString(), GetParam().selected);
    // What the commands act on: the cells shown, never a column hidden between two shown.
    const auto shown = view_->shownColumns();
    for (const TableCell &cell : view_->selectedCells())
        ASSERT_TRUE(std::find(shown.begin(), shown.end(), cell.column) != shown.end()) << cell.column->name.toStdString();
    EXPECT_EQ(names_->horizontalHeader()->sortIndicatorSection(), section("Enemy"));
    EXPECT_EQ(table_->horizontalHeader()->sortIndicatorSection(), -1);
}

INSTANTIATE_TEST_SUITE_P(
    Gestures, HeaderSelectionTest,
    testing::Values(
        GestureCase{"Click", {{"HP"}}, "HP"},
        GestureCase{"ShiftClickExtends", {{"HP"}, {"Exp", Qt::ShiftModifier}}, "HP PP Exp"},
        GestureCase{"ShiftClickPassesOverHiddenColumns", {{"Offense"}, {"Defense", Qt::ShiftModifier}}, "Offense Defense"},
        GestureCase{"CtrlClickAdds", {{"HP"}, {"Level", Qt::ControlModifier}}, "HP Level"},
        GestureCase{"CtrlClickTakesOut", {{"HP"}, {"PP", Qt::ShiftModifier}, {"HP", Qt::ControlModifier}}, "PP"},
        GestureCase{"DragSelectsTheColumnsPassed", {{"Exp", {}, "HP"}}, "HP PP Exp"},
        GestureCase{"ClickOnANumberSelectsItsRow", {{"HP"}, {"3"}}, "3"},
        GestureCase{"ShiftClickOnANumberExtends", {{"3"}, {"5", Qt::ShiftModifier}}, "3 4 5"},
        GestureCase{"CtrlClickOnANumberAdds", {{"3"}, {"1", Qt::ControlModifier}}, "1 3"},
        GestureCase{"CtrlClickOnASelectedNumberTakesItOut", {{"3", {}, "5"}, {"4", Qt::ControlModifier}}, "3 5"},
        GestureCase{"DragOverNumbers", {{"6", {}, "4"}}, "4 5 6"},
        GestureCase{"CtrlDragAddsRows", {{"1"}, {"4", Qt::ControlModifier, "5"}}, "1 4 5"}),
    [](const testing::TestParamInfo<GestureCase> &info) { return info.param.name; });

// Ctrl+Space selects the columns of the cells selected, Shift+Space their rows.
TEST_F(HeaderSelectionTest, KeysSelectTheColumnsOrRowsOfTheSelection)
{
    const QAbstractItemModel &model = *table_->model();
    view_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view_));
    for (const auto &[keys, expected] : {std::pair{Qt::CTRL, "HP Level"}, std::pair{Qt::SHIFT, "2 4"}}) {
        table_->setFocus();
        table_->selectionModel()->select(model.index(2, section("HP")), QItemSelectionModel::ClearAndSelect);
        table_->selectionModel()->select(model.index(4, section("Level")), QItemSelectionModel::Select);
        QTest::keyClick(table_, Qt::Key_Space, Qt::KeyboardModifiers(keys));
        EXPECT_EQ(selected().toStdString(), expected);
        EXPECT_EQ(table_->findChild<QLineEdit *>("txtCell"), nullptr) << "no edit begun";
    }
}

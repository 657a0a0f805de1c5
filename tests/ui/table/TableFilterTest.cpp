#include "EditorHarness.h"
#include "EnemyTableModel.h"
#include "EnemyTableView.h"
#include "RefusalFrame.h"

#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QStatusBar>
#include <QStyleFactory>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace mobwright;
using namespace mobwright::test;

namespace {

// The table of a new window on image, enemies by turns Normal, Insect and Metal.
struct FilteredTable
{
    explicit FilteredTable(const TestImage &image)
    {
        editor.loadRom(image.path());
        editor.find<QAction>("mnuTable")->trigger();
        view = editor.find<EnemyTableView>("frmEnemyTable");
        table = editor.find<QTableView>("tblEnemies");
        filter = editor.find<QLineEdit>("txtFilter");
    }
    QString count() const { return editor.find<QLabel>("lblCount")->text(); }
    // Opens the Saved menu and chooses the entry named entry in it.
    void chooseSaved(const QString &entry)
    {
        QTimer::singleShot(0, [entry] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            if (auto *chosen = menu->findChild<QAction *>(entry))
                chosen->trigger();
            else
                ADD_FAILURE() << "no entry " << entry.toStdString();
            menu->close();
        });
        QTest::mouseClick(editor.find<QToolButton>("cmdSavedFilters"), Qt::LeftButton);
    }

    EditorHarness editor;
    EnemyTableView *view = nullptr;
    QTableView *table = nullptr;
    QLineEdit *filter = nullptr;
};

double Luminance(const QColor &colour)
{
    const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

class TableFilterTest : public testing::Test
{
protected:
    TableFilterTest()
    {
        for (int k = 0; k < 230; ++k)
            image_.setRecordBytes(k, 27, {std::uint8_t(k % 3)});
    }
    TestImage image_;
};

} // namespace

// A filter that cannot be read is framed in red, and says why in its tooltip and in the
// window's status bar; the rows stay as the last filter read left them.
TEST_F(TableFilterTest, AFilterThatCannotBeReadSaysWhy)
{
    FilteredTable open(image_);
    QTest::keyClicks(open.filter, "Type = Insect");
    EXPECT_EQ(open.count(), "77 of 230 enemies");
    open.filter->setText("bogus >> 3");
    const QString reason = open.view->findChild<QStatusBar *>("stbTable")->currentMessage();
    EXPECT_TRUE(reason.contains("The term \"bogus >> 3\" (characters 1–10): \"bogus\" is not a column"))
        << reason.toStdString();
    EXPECT_TRUE(reason.endsWith(open.filter->toolTip()));
    EXPECT_TRUE(open.filter->styleSheet().contains(RefusalColour(open.filter->palette()).name()));
    EXPECT_EQ(open.count(), "77 of 230 enemies");
    open.filter->clear();
    EXPECT_EQ(open.view->findChild<QStatusBar *>("stbTable")->currentMessage(), "");
    EXPECT_EQ(open.filter->styleSheet(), "");
    EXPECT_EQ(open.count(), "230 of 230 enemies");
}

// The red of a refusal stands out from the field's base in a light palette and a dark one.
TEST(RefusalColour, StandsOutInALightAndADarkPalette)
{
    QPalette dark = QStyleFactory::create("Fusion")->standardPalette();
    dark.setColor(QPalette::Base, QColor(0x23, 0x23, 0x23));
    for (const QPalette &palette : {QStyleFactory::create("Fusion")->standardPalette(), dark}) {
        const double red = Luminance(RefusalColour(palette));
        const double base = Luminance(palette.color(QPalette::Base));
        EXPECT_GE((std::max(red, base) + 0.05) / (std::min(red, base) + 0.05), 3.0)
            << palette.color(QPalette::Base).name().toStdString();
    }
}

// Alt+Down lists the current column's values with their counts; two ticked keep their rows,
// by a term in the filter, and none ticked takes that term out again.
TEST_F(TableFilterTest, TickedValuesKeepTheirRows)
{
    FilteredTable open(image_);
    open.filter->setText("HP < 5");
    open.table->setCurrentIndex(open.table->model()->index(0, open.view->model().sectionOf(*FindColumn("Type"))));
    const auto tick = [&open](const std::vector<int> &rows, const QStringList &expected) {
        open.view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(open.view));
        QTest::keyClick(open.table, Qt::Key_Down, Qt::AltModifier);
        auto *values = QApplication::activePopupWidget();
        ASSERT_TRUE(values && values->objectName() == "frmValues");
        auto *list = values->findChild<QListWidget *>("lstValues");
        QStringList shown;
        for (int row = 0; row < list->count(); ++row)
            shown.append(list->item(row)->text() + (list->item(row)->checkState() ? "+" : ""));
        EXPECT_EQ(shown, expected);
        for (const int row : rows) {
            list->setCurrentRow(row);
            QTest::keyClick(list, Qt::Key_Space);
        }
        QTest::keyClick(list, Qt::Key_Return);
        EXPECT_FALSE(values->isVisible());
    };
    tick({0, 2}, {"0 – Normal  (77)", "1 – Insect  (77)", "2 – Metal  (76)"});
    EXPECT_EQ(open.filter->text(), "HP < 5, Type = \"0 – Normal\" | \"2 – Metal\"");
    EXPECT_EQ(open.count(), "153 of 230 enemies");
    tick({0, 2}, {"0 – Normal  (77)+", "1 – Insect  (77)", "2 – Metal  (76)+"});
    EXPECT_EQ(open.filter->text(), "HP < 5");
    EXPECT_EQ(open.count(), "230 of 230 enemies");
}

// A filter saved under a name is offered in the next window, and chosen, filters as before.
TEST_F(TableFilterTest, ASavedFilterIsChosenAgainInTheNextWindow)
{
    {
        FilteredTable first(image_);
        first.filter->setText("Type = Metal");
        first.editor.prompter().nextName = "Metals";
        first.chooseSaved("mnuSaveFilter");
    }
    FilteredTable second(image_);
    EXPECT_EQ(second.count(), "230 of 230 enemies");
    second.chooseSaved("mnuSavedFilter(0)");
    EXPECT_EQ(second.filter->text(), "Type = Metal");
    EXPECT_EQ(second.count(), "76 of 230 enemies");
}

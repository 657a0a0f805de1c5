#include "EditorHarness.h"
#include "EnemyTableModel.h"
#include "EnemyTableView.h"
#include "RefusalFrame.h"

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTableView>
#include <QTest>

#include <memory>

using namespace mobwright;
using namespace mobwright::test;

namespace {

// The table of an image whose enemies are by turns Normal, Insect and Metal.
class TableFilterTest : public testing::Test
{
protected:
    TableFilterTest()
    {
        for (int k = 0; k < 230; ++k)
            image_.setRecordBytes(k, 27, {std::uint8_t(k % 3)});
        editor_.loadRom(image_.path());
        editor_.find<QAction>("mnuTable")->trigger();
        view_ = editor_.find<EnemyTableView>("frmEnemyTable");
        filter_ = editor_.find<QLineEdit>("txtFilter");
    }
    QString count() const { return editor_.find<QLabel>("lblCount")->text(); }

    TestImage image_;
    EditorHarness editor_;
    EnemyTableView *view_ = nullptr;
    QLineEdit *filter_ = nullptr;
};

double Luminance(const QColor &colour)
{
    const auto linear = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

} // namespace

// A filter that cannot be read is framed in red, and says why in its tooltip and in the
// window's status bar; the rows stay as the last filter read left them.
TEST_F(TableFilterTest, AFilterThatCannotBeReadSaysWhy)
{
    QTest::keyClicks(filter_, "Type = Insect");
    EXPECT_EQ(count(), "77 of 230 enemies");
    filter_->setText("bogus >> 3");
    const auto *status = view_->findChild<QStatusBar *>("stbTable");
    EXPECT_EQ(status->currentMessage().toStdString(),
              "The filter cannot be read: " + filter_->toolTip().toStdString());
    EXPECT_TRUE(filter_->toolTip().startsWith(
        "The term \"bogus >> 3\" (characters 1–10): \"bogus\" is not a column"));
    EXPECT_TRUE(filter_->styleSheet().contains(RefusalColour(filter_->palette()).name()));
    EXPECT_EQ(count(), "77 of 230 enemies");
    filter_->clear();
    EXPECT_EQ(status->currentMessage() + filter_->styleSheet(), "");
    EXPECT_EQ(count(), "230 of 230 enemies");
}

// The red of a refusal stands out from the field's base in a light palette and a dark one.
TEST(RefusalColour, StandsOutInALightAndADarkPalette)
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    QPalette dark = fusion->standardPalette();
    dark.setColor(QPalette::Base, QColor(0x23, 0x23, 0x23));
    for (const QPalette &palette : {fusion->standardPalette(), dark}) {
        const double red = Luminance(RefusalColour(palette));
        const double base = Luminance(palette.color(QPalette::Base));
        EXPECT_GE((std::max(red, base) + 0.05) / (std::min(red, base) + 0.05), 3.0);
    }
}

// Alt+Down lists the current column's values with their counts; two ticked keep their rows,
// by a term in the filter, and none ticked takes that term out again.
TEST_F(TableFilterTest, TickedValuesKeepTheirRows)
{
    filter_->setText("HP < 5");
    auto *table = view_->findChild<QTableView *>("tblEnemies");
    table->setCurrentIndex(table->model()->index(0, view_->model().sectionOf(*FindColumn("Type"))));
    view_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view_));
    for (const QString shown : {"0 – Normal  (77)|1 – Insect  (77)|2 – Metal  (76)",
                                "0 – Normal  (77)+|1 – Insect  (77)|2 – Metal  (76)+"}) {
        QTest::keyClick(table, Qt::Key_Down, Qt::AltModifier);
        auto *values = QApplication::activePopupWidget();
        ASSERT_TRUE(values && values->objectName() == "frmValues");
        auto *list = values->findChild<QListWidget *>("lstValues");
        QStringList items;
        for (int row = 0; row < list->count(); ++row)
            items.append(list->item(row)->text() + (list->item(row)->checkState() ? "+" : ""));
        EXPECT_EQ(items.join('|'), shown);
        if (shown.contains('+')) { // those two ticked, then none, by its buttons
            values->findChild<QPushButton *>("cmdTickNone")->click();
            EXPECT_EQ(list->item(0)->checkState(), Qt::Unchecked);
            QTest::mouseClick(values->findChild<QPushButton *>("cmdFilterValues"), Qt::LeftButton);
        } else {
            for (const int row : {0, 2}) {
                list->setCurrentRow(row);
                QTest::keyClick(list, Qt::Key_Space);
            }
            QTest::keyClick(list, Qt::Key_Return);
        }
        EXPECT_FALSE(values->isVisible());
        if (shown.contains('+'))
            break;
        EXPECT_EQ(filter_->text(), "HP < 5, Type = \"0 – Normal\" | \"2 – Metal\"");
        EXPECT_EQ(count(), "153 of 230 enemies");
    }
    EXPECT_EQ(filter_->text(), "HP < 5");
    EXPECT_EQ(count(), "230 of 230 enemies");

    // Its sort buttons sort by the column and close it.
    QTest::keyClick(table, Qt::Key_Down, Qt::AltModifier);
    auto *values = QApplication::activePopupWidget();
    ASSERT_TRUE(values && values->objectName() == "frmValues");
    auto *descending = values->findChild<QPushButton *>("cmdSortDescending");
    ASSERT_TRUE(descending && descending->isVisible());
    QTest::mouseClick(descending, Qt::LeftButton);
    EXPECT_FALSE(values->isVisible());
    const int type = view_->model().sectionOf(*FindColumn("Type"));
    EXPECT_EQ(table->horizontalHeader()->sortIndicatorSection(), type);
    EXPECT_EQ(table->model()->index(0, type).data().toString(), "2 – Metal");
}

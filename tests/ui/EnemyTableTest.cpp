#include "EditorHarness.h"
#include "TestImage.h"

#include <QAction>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

using namespace mobwright;
using namespace mobwright::test;

namespace {

class EnemyTableTest : public testing::Test
{
protected:
    EnemyTableTest()
    {
        // HP 1000 down to 992 for enemies 1-5, one digit for the rest: text order differs.
        for (int k = 0; k < 230; ++k) {
            const int hp = k < 5 ? 1000 - 2 * k : 9 - k % 9;
            image_.setRecordBytes(
                k, 33, {static_cast<std::uint8_t>(hp), static_cast<std::uint8_t>(hp >> 8)});
            image_.setName(k, k % 7 == 0 ? "Rust Beetle" : "Frog");
        }
        editor_.loadRom(QString::fromStdString(image_.path()));
        editor_.window().findChild<QAction *>("mnuTable")->trigger();
        table_ = editor_.window().findChild<QTableView *>("tblEnemies");
    }

    static int column(const char *name)
    {
        return QStringList{"Enemy", "TheFlag", "Name", "Type", "InsidePic", "OutsidePic", "HP"}
            .indexOf(name);
    }
    QString cell(int row, const char *name) const
    {
        return table_->model()->index(row, column(name)).data().toString();
    }

    TestImage image_;
    EditorHarness editor_;
    QTableView *table_ = nullptr;
};

} // namespace

TEST_F(EnemyTableTest, SortsNumbersAsNumbersAndFiltersOnAnyCell)
{
    ASSERT_TRUE(table_ && table_->isVisible());
    EXPECT_EQ(table_->model()->rowCount(), 230);
    table_->sortByColumn(column("HP"), Qt::DescendingOrder);
    EXPECT_EQ(cell(0, "HP"), "1000");
    EXPECT_EQ(cell(4, "HP"), "992");
    EXPECT_EQ(cell(5, "HP"), "9");

    auto *filter = editor_.window().findChild<QLineEdit *>("txtFilter");
    const std::pair<const char *, int> filters[] = {
        {"beetle", 33}, {"996", 1}, {"0: Normal", 230}, {"no such thing", 0}, {"", 230}};
    for (const auto &[text, rows] : filters) {
        filter->setText(QString::fromLatin1(text));
        EXPECT_EQ(table_->model()->rowCount(), rows) << text;
    }
}

TEST_F(EnemyTableTest, ChoosingARowSelectsThatEnemyAndTheViewFollowsTheFile)
{
    table_->sortByColumn(column("HP"), Qt::DescendingOrder);
    const QRect enemy3 = table_->visualRect(table_->model()->index(2, column("Name"))); // HP 996
    QTest::mouseClick(table_->viewport(), Qt::LeftButton, {},
                      enemy3.center()); // a double click starts with one
    QTest::mouseDClick(table_->viewport(), Qt::LeftButton, {}, enemy3.center());
    EXPECT_EQ(editor_.combo("cmbEnemy(0)")->currentIndex(), 2);

    table_->setCurrentIndex(table_->model()->index(1, 0));
    QTest::keyClick(table_, Qt::Key_Return);
    EXPECT_EQ(editor_.combo("cmbEnemy(0)")->currentIndex(), 1);

    editor_.type("txtHP", "4321");
    editor_.clickApply();
    EXPECT_EQ(cell(0, "HP"), "4321") << "an apply refreshes the table";

    editor_.closeRom();
    EXPECT_FALSE(table_->window()->isVisible()) << "the table closes with the image";
}

#include "EditorHarness.h"
#include "EnemyTableModel.h"
#include "EnemyTableView.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace mobwright;
using namespace mobwright::test;

namespace {

// The table of a new window on image, and the section of its column titled title.
struct OpenTable
{
    explicit OpenTable(const TestImage &image, const QString &title)
    {
        editor.loadRom(image.path());
        editor.find<QAction>("mnuTable")->trigger();
        const EnemyTableModel &model = editor.find<EnemyTableView>("frmEnemyTable")->model();
        for (int k = 0; k < model.columnCount(); ++k)
            section = ColumnTitle(model.columnAt(k)) == title ? k : section;
    }
    QTableView *table() const { return editor.find<QTableView>("tblEnemies"); }
    bool shown() const { return !table()->isColumnHidden(section); }

    // A right click on the header, and a click on the menu's entry for the column.
    void toggleInHeaderMenu(const QString &title)
    {
        QHeaderView *header = table()->horizontalHeader();
        ChooseInContextMenu(header->viewport(), {5, header->height() / 2}, title);
    }

    // Opens the Saved filters' menu and chooses its entry named entry.
    void chooseSaved(const QString &entry)
    {
        ChooseInNextMenu(entry);
        QTest::mouseClick(editor.find<QToolButton>("cmdSavedFilters"), Qt::LeftButton);
    }

    EditorHarness editor;
    int section = -1;
};

} // namespace

// A column hidden through the header's menu is hidden in the next window too, kept with the
// other settings; shown again, it is shown there as well.
TEST(ShownColumns, AreRememberedInTheOneSettingsFile)
{
    TestImage image;
    {
        OpenTable first(image, "HP");
        ASSERT_GE(first.section, 0);
        ASSERT_TRUE(first.shown());
        first.toggleInHeaderMenu("HP");
        EXPECT_FALSE(first.shown());
    }
    const QString file = QSettings("Mobwright", "Mobwright").fileName();
    QFile kept(file);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_TRUE(kept.readAll().contains("hiddenColumns"));
    // The settings folder holds no file of settings named by no one.
    EXPECT_FALSE(QFileInfo(file).dir().exists("../Unknown Organization"));
    {
        OpenTable second(image, "HP");
        EXPECT_FALSE(second.shown());
        second.toggleInHeaderMenu("HP");
        EXPECT_TRUE(second.shown());
    }
    EXPECT_TRUE(OpenTable(image, "HP").shown());
}

// A filter saved under a name is offered in the next window, and chosen, filters as before.
TEST(SavedFilters, AreChosenAgainInTheNextWindow)
{
    TestImage image;
    image.setName(3, "Zed");
    {
        OpenTable first(image, "HP");
        first.editor.find<QLineEdit>("txtFilter")->setText("Name = Zed");
        first.editor.prompter().nextName = "Zeds";
        first.chooseSaved("mnuSaveFilter");
    }
    OpenTable second(image, "HP");
    EXPECT_EQ(second.table()->model()->rowCount(), 230);
    second.chooseSaved("mnuSavedFilter(0)");
    EXPECT_EQ(second.editor.find<QLineEdit>("txtFilter")->text(), "Name = Zed");
    EXPECT_EQ(second.table()->model()->rowCount(), 1);
}

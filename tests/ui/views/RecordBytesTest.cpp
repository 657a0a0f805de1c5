#include "ByteGridModel.h"
#include "EditorHarness.h"
#include "EnemyEditor.h"
#include "TestImage.h"

#include <QApplication>
#include <QLabel>
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <set>

using namespace mobwright;
using namespace mobwright::test;

namespace {

class RecordBytesTest : public testing::Test
{
protected:
    RecordBytesTest()
    {
        image_.setRecordBytes(7, 33, {0x84, 0x03}); // HP 900
        image_.setName(7, "Frog");
        editor_.loadRom(image_.path());
        editor_.window().showEnemy(7);
        editor_.find<QAction>("mnuRecordBytes")->trigger();
        grid_ = editor_.find<QTableView>("tblRecordBytes");
        model_ = static_cast<ByteGridModel *>(grid_->model());
    }

    QModelIndex at(int offset) const { return model_->indexOf(offset); }
    bool chosen(int offset) const
    {
        return at(offset).data(Qt::BackgroundRole).value<QColor>() ==
               QApplication::palette().color(QPalette::Highlight);
    }
    void typeOver(int offset, const char *hex)
    {
        QApplication::setActiveWindow(grid_->window());
        grid_->setCurrentIndex(at(offset));
        QTest::keyClicks(grid_, QString(hex).left(1)); // the first key opens the byte's editor
        QWidget *typing = grid_->window()->focusWidget();
        for (const QChar key : QString(hex).mid(1)) // to the byte in edit, which two digits move on
            QTest::keyClicks(grid_->window()->focusWidget(), key);
        if (grid_->window()->focusWidget() == typing) // two digits have committed themselves
            QTest::keyClick(typing, Qt::Key_Return);
        QCoreApplication::processEvents(); // the delegate commits on a queued call
    }
    const PendingRecord *pending() { return editor_.window().session().pendingOf(7); }
    // The colours the grid draws a byte's cell in.
    std::set<QRgb> drawnIn(int offset) const { return drawnIn(at(offset)); }
    std::set<QRgb> drawnIn(const QModelIndex &index) const
    {
        const QImage cell = grid_->viewport()->grab(grid_->visualRect(index)).toImage();
        std::set<QRgb> colours;
        for (int y = 0; y < cell.height(); ++y) {
            for (int x = 0; x < cell.width(); ++x)
                colours.insert(cell.pixel(x, y));
        }
        return colours;
    }

    TestImage image_;
    EditorHarness editor_;
    QTableView *grid_ = nullptr;
    ByteGridModel *model_ = nullptr;
};

} // namespace

// The grid shows the form's enemy, the field chosen in the form, and puts
// the form's focus on the field of the byte chosen in it.
TEST_F(RecordBytesTest, FollowsTheFormAndLeadsIt)
{
    ASSERT_TRUE(grid_ && grid_->isVisible());
    auto *place = editor_.find<QLabel>("lblRecordPlace");
    EXPECT_TRUE(place->text().startsWith("008: Frog — 94 bytes at file offset $"))
        << place->text().toStdString();
    EXPECT_EQ(at(33).data().toString() + at(34).data().toString(), "8403");
    EXPECT_EQ(model_->headerData(15, Qt::Horizontal, Qt::DisplayRole).toString() + " " +
                  model_->headerData(ByteGridModel::TEXT_COLUMN, Qt::Horizontal, Qt::DisplayRole)
                      .toString() +
                  " " + model_->headerData(5, Qt::Vertical, Qt::DisplayRole).toString(),
              "F Text 50");
    EXPECT_EQ(at(16).siblingAtColumn(ByteGridModel::TEXT_COLUMN).data().toString(),
              QString(16, QChar(u'·')));
    EXPECT_TRUE(
        at(0).siblingAtColumn(ByteGridModel::TEXT_COLUMN).data().toString().startsWith("·Frog·"));

    QApplication::setActiveWindow(&editor_.window());
    editor_.window().editor().focusField(Field::Exp);
    EXPECT_TRUE(chosen(37) && chosen(40));
    EXPECT_FALSE(chosen(36) || chosen(41));
    // Drawn so: its digits in the highlight's text colour on the highlight.
    const QPalette palette = QApplication::palette();
    EXPECT_TRUE(drawnIn(38).contains(palette.color(QPalette::Highlight).rgb()));
    // Its digits are smoothed into the fill: some pixel at least lies more than
    // halfway from the highlight to the text colour, which dark digits never do.
    const auto distance = [](QRgb a, QRgb b) {
        return std::hypot(qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b));
    };
    const QRgb fill = palette.color(QPalette::Highlight).rgb();
    const QRgb digits = palette.color(QPalette::HighlightedText).rgb();
    EXPECT_TRUE(std::ranges::any_of(drawnIn(38), [&](QRgb pixel) {
        return distance(pixel, digits) < distance(fill, digits) / 2;
    }));
    EXPECT_FALSE(drawnIn(41).contains(palette.color(QPalette::Highlight).rgb()));
    // The text column is drawn too, in the text colour.
    const QRgb text = palette.color(QPalette::Text).rgb();
    EXPECT_TRUE(std::ranges::any_of(drawnIn(at(0).siblingAtColumn(ByteGridModel::TEXT_COLUMN)), [&](QRgb pixel) {
        return distance(pixel, text) < distance(palette.color(QPalette::Base).rgb(), text) / 2;
    }));

    QApplication::setActiveWindow(grid_->window());
    QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {}, grid_->visualRect(at(54)).center());
    EXPECT_EQ(editor_.window().focusWidget(), editor_.widget("txtLevel"));
    EXPECT_TRUE(chosen(54));
    QTest::keyClick(grid_, Qt::Key_Right);
    EXPECT_EQ(editor_.window().focusWidget(), editor_.widget("cmbMusic"));
    QTest::keyClick(grid_, Qt::Key_Up); // byte 39, in the experience
    EXPECT_TRUE(chosen(37) && chosen(39) && !chosen(54));
    // The text column is no byte: chosen, it leaves no field chosen.
    QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {},
                      grid_->visualRect(at(39).siblingAtColumn(ByteGridModel::TEXT_COLUMN)).center());
    EXPECT_FALSE(chosen(37) || chosen(39));

    editor_.window().showEnemy(9);
    EXPECT_TRUE(place->text().startsWith("010: "));
    EXPECT_EQ(at(33).data().toString(), "00");
}

// Hex typed over a byte is a pending edit of its field, marked bold; a byte
// its field cannot take is refused with the field's reason.
TEST_F(RecordBytesTest, HexTypedOverAByteEditsItsFieldUnlessTheFieldRefusesIt)
{
    typeOver(34, "$1f");
    ASSERT_TRUE(pending());
    EXPECT_EQ(pending()->target.value(Field::HP), 0x1F84u);
    EXPECT_EQ(editor_.edit("txtHP")->text(), "8068");
    EXPECT_TRUE(at(33).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(at(35).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_TRUE(editor_.takeMessages().isEmpty());
    // Two digits run on into the next byte, as in a hex editor.
    typeOver(33, "1234");
    EXPECT_EQ(pending()->target.value(Field::HP), 0x3412u);
    EXPECT_EQ(grid_->currentIndex(), at(35));

    typeOver(27, "09");
    EXPECT_EQ(grid_->currentIndex(), at(27)) << "a refused byte stays to be typed again";
    typeOver(35, "xy");
    const QStringList told = editor_.takeMessages();
    ASSERT_EQ(told.size(), 2);
    EXPECT_TRUE(told[0].startsWith("The field \"Type\" cannot take \"9\". It accepts "))
        << told[0].toStdString();
    EXPECT_EQ(told[1], "Byte 35: cannot take \"xy\". It accepts a byte in hexadecimal, 00 to FF.");
    EXPECT_EQ(pending()->editCount(), 1);
}

// Each view opens as large as it was left, in the next run too.
TEST(ViewPlaces, AreKeptFromOneRunToTheNext)
{
    TestImage image;
    const auto view = [](EditorHarness &editor, const char *entry, const char *window) {
        editor.find<QAction>(entry)->trigger();
        return editor.find<QWidget>(window);
    };
    const std::pair<const char *, const char *> views[] = {{"mnuRecordBytes", "frmRecordBytes"},
                                                           {"mnuChart", "frmChart"}};
    std::map<std::string, QSize> left;
    {
        EditorHarness first;
        first.loadRom(image.path());
        for (const auto &[entry, window] : views) {
            QWidget *shown = view(first, entry, window);
            shown->resize(shown->width() + 37, shown->height() + 23);
            left[window] = shown->size();
            shown->close();
        }
    }
    EditorHarness second;
    second.loadRom(image.path());
    for (const auto &[entry, window] : views)
        EXPECT_EQ(view(second, entry, window)->size(), left[window]) << window;
}

#include "EditorHarness.h"
#include "ListComboBox.h"
#include "QtText.h"
#include "TestImage.h"
#include "ValueLists.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QListView>
#include <QMessageBox>
#include <QPainter>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace mobwright;
using namespace mobwright::test;

TEST(ListLabelsWindow, ListsShowTheOpenImagesNamesAndFollowAnApply)
{
    TestImage image;
    image.setGameText(image.imageOffset(0x155200) + 88 * 39, "Bread");
    image.setName(0, "Marsh Hopper");
    image.setRecordBytes(0, 30, {8, 0});   // overworld picture 008
    image.setRecordBytes(0, 70, {140, 0}); // an item action
    EditorHarness editor;
    editor.loadRom(QString::fromStdString(image.path()));
    const auto entry = [&](const char *list, int row) { return editor.combo(list)->itemText(row); };
    EXPECT_EQ(entry("cmbItem", 88), "88 - Bread");
    EXPECT_EQ(entry("cmbArgs(0)", 87), "88 - Bread");
    EXPECT_EQ(entry("cmbOutside", 7), "(Marsh Hopper)           008");

    editor.choose("cmbOutside", 10);
    editor.clickApply();
    EXPECT_EQ(entry("cmbOutside", 7), ToQString(OutsidePicLabels()[7]));
    EXPECT_EQ(entry("cmbOutside", 10), "(Marsh Hopper)           011");

    // Another image that names none of them drops them, and this one brings them back.
    const TestImage other;
    editor.loadRom(QString::fromStdString(other.path()));
    EXPECT_EQ(entry("cmbItem", 88), ToQString(ItemLabels()[88]));
    EXPECT_EQ(entry("cmbOutside", 10), ToQString(OutsidePicLabels()[10]));
    editor.loadRom(QString::fromStdString(image.path()));
    EXPECT_EQ(entry("cmbOutside", 10), "(Marsh Hopper)           011");

    // Closing drops the image's names, in the argument list shown too.
    editor.closeRom();
    EXPECT_EQ(entry("cmbItem", 88), ToQString(ItemLabels()[88]));
    EXPECT_EQ(entry("cmbArgs(0)", 87), ToQString(ItemLabels()[88]));
}

// A name given in place goes into the list's file, made whole from the
// labels in use, and shows at once; the folder is watched, and a broken file
// is told of once while the labels shown stay.
TEST(ListLabelsWindow, NamesGivenInPlaceAndFilesEditedByHandShowAtOnce)
{
    TestImage image;
    image.setRecordBytes(0, 55, {0x33});
    image.setName(1, "Rat");
    image.setRecordBytes(1, 55, {0x17}); // shown as "(Rat)", kept in the file as its placeholder
    image.setGameText(image.imageOffset(0x155200 + 88 * 39), "Cookie"); // the item table
    image.setRecordBytes(0, 70, {140, 0}); // an item action, its list of items shown
    image.setRecordBytes(0, 72, {12, 0});  // a PSI action, its list of PSI shown
    const QTemporaryDir folder;
    EditorHarness editor;
    editor.window().useLabelFolder(folder.path());
    editor.loadRom(QString::fromStdString(image.path()));
    editor.prompter().nextName = "Gym";
    editor.window().nameEntry({LongList::Music, 0x33});
    QFile file(folder.filePath("music_labels.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 192);
    EXPECT_EQ(lines[0x33], "33 - Gym");
    EXPECT_EQ(lines[0x17], ToQString(MusicLabels()[0x17]));
    EXPECT_EQ(editor.combo("cmbMusic")->itemText(0x17), "17 - (Rat)");
    EXPECT_EQ(editor.combo("cmbMusic")->itemText(0x33), "33 - Gym");
    // An item the image's table names keeps that name, and the user is told so.
    editor.window().nameEntry({LongList::Item, 88});
    EXPECT_EQ(editor.combo("cmbItem")->itemText(88), "88 - Cookie");
    EXPECT_TRUE(editor.window().statusBar()->currentMessage().endsWith(
        "the image names this item itself, and its name comes first"));
    // An item named shows so in the argument list shown too.
    editor.prompter().nextName = "Pan";
    editor.window().nameEntry({LongList::Item, 5});
    EXPECT_TRUE(editor.combo("cmbArgs(0)")->itemText(4).endsWith("Pan"));
    editor.prompter().nextName = "Zap"; // a PSI action, the fourth of the PSI list
    editor.window().nameEntry({LongList::Action, static_cast<int>(FIRST_PSI_CODE) + 3});
    EXPECT_TRUE(editor.combo("cmbArgs(1)")->itemText(3).endsWith("Zap"));
    // A name is one line.
    editor.prompter().nextName = "Gym\nHall";
    editor.window().nameEntry({LongList::Music, 0x34});
    EXPECT_EQ(editor.takeMessages(), QStringList("A name is one line of text, without tabs."));

    file.close();
    const auto rewrite = [&](const QStringList &with) {
        QFile again(file.fileName());
        again.open(QIODevice::WriteOnly | QIODevice::Truncate);
        again.write((with.join('\n') + '\n').toUtf8());
    };
    QStringList edited = lines;
    edited[0x34] = "34 - Dojo";
    rewrite(edited);
    EXPECT_TRUE(QTest::qWaitFor([&] { return editor.combo("cmbMusic")->itemText(0x34) == "34 - Dojo"; }));
    // A file that cannot be used is told of, in a box that goes once the
    // file is mended; a FIFO in its place too.
    const auto told = [&] {
        const auto *notice = editor.find<QMessageBox>("msgLabelProblems");
        return notice && notice->isVisible() ? notice->text() : QString();
    };
    rewrite(edited.mid(0, 5));
    EXPECT_TRUE(QTest::qWaitFor([&] { return told().contains("line 6: 5 labels, 192 expected"); }));
    EXPECT_EQ(editor.combo("cmbMusic")->itemText(0x34), "34 - Dojo");
    QFile::remove(file.fileName());
    ::mkfifo(QFile::encodeName(file.fileName()).constData(), 0600);
    EXPECT_TRUE(QTest::qWaitFor([&] { return told().contains("FIFO"); }));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the box waits for nothing";
    QFile::remove(file.fileName());
    rewrite(edited);
    EXPECT_TRUE(QTest::qWaitFor([&] { return told().isEmpty(); }));
}

// Each entry is numbered, from the list's first number or its own; typed
// text keeps the entries whose number or label holds it.
TEST(ListComboBox, NumbersItsEntriesAndNarrowsToWhatIsTyped)
{
    ListComboBox box;
    box.setFirstNumber(1);
    box.addItems({"No effect", "Attack", "No effect"});
    box.addItem("Bash", 440);
    EXPECT_EQ(QString("%1 %2 %3").arg(box.numberAt(0)).arg(box.numberAt(2)).arg(box.numberAt(3)), "1 3 440");
    box.showPopup();
    const auto kept = [&box] {
        QString rows;
        for (int row = 0; row < box.count(); ++row)
            rows += static_cast<QListView *>(box.view())->isRowHidden(row) ? "" : QString::number(row);
        return rows;
    };
    // Keys typed into the open list narrow it, and Backspace widens it.
    const auto type = [&](const QString &keys, int backspaces = 0) {
        QTest::keyClicks(box.view(), keys);
        for (int k = 0; k < backspaces; ++k)
            QTest::keyClick(box.view(), Qt::Key_Backspace);
        return kept();
    };
    EXPECT_EQ(type("effect"), "02");
    EXPECT_EQ(type("", 6), "0123");
    EXPECT_EQ(type("44"), "3");
    EXPECT_EQ(type("", 2), "0123");
    EXPECT_EQ(type("a"), "13");
    box.hidePopup();
}

// In a list narrowed by typing, the first entry kept is current; Up and Down move among
// those kept, Return picks one; in the form and in a table's cell alike.
TEST(ListComboBox, PicksFromANarrowedListByKeys)
{
    ListComboBox box;
    box.addItems({"Frog", "Frost Bite", "Bash", "Deep Frost", "Frostier"});
    for (const auto &[keys, picked] : {std::pair{QList<Qt::Key>{Qt::Key_Return}, 1},
                                       {{Qt::Key_Down, Qt::Key_Return}, 3},
                                       {{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Return}, 3}}) {
        box.setCurrentIndex(2);
        box.showPopup();
        QTest::keyClicks(box.view(), "FROST");
        for (const Qt::Key key : keys)
            QTest::keyClick(box.view(), key);
        EXPECT_EQ(box.currentIndex(), picked);
        EXPECT_FALSE(box.view()->isVisible());
    }
}

// An entry's number stands in a column of its own, its label right of it.
TEST(ListComboBox, DrawsEachLabelRightOfItsNumber)
{
    ListComboBox box;
    box.setFirstNumber(400);
    box.addItem(QString());
    box.showPopup();
    QAbstractItemView *view = box.view();
    const auto drawn = [&](const QString &label) {
        box.setItemText(0, label);
        QStyleOptionViewItem option;
        option.initFrom(view);
        option.widget = view;
        option.rect = QRect(0, 0, 300, 30);
        QImage image(option.rect.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        view->itemDelegate()->paint(&painter, option, box.model()->index(0, 0));
        return image;
    };
    const QImage labelled = drawn(QStringLiteral("WWW")), bare = drawn(QString());
    int labelStart = labelled.width();
    for (int x = 0; x < labelled.width() && labelStart == labelled.width(); ++x) {
        for (int y = 0; y < labelled.height(); ++y) {
            if (labelled.pixel(x, y) != bare.pixel(x, y))
                labelStart = x;
        }
    }
    ASSERT_LT(labelStart, labelled.width()) << "the label is drawn";
    EXPECT_GE(labelStart, box.fontMetrics().horizontalAdvance(QStringLiteral("400")));
    box.hidePopup();
}

// The pop-up is built late, but a list is as wide as Qt makes one sized by
// its minimum contents length, however long its entries.
TEST(ListComboBox, IsAsWideAsItsMinimumContentsLengthMakesIt)
{
    ListComboBox box;
    QComboBox qt;
    for (QComboBox *each : {static_cast<QComboBox *>(&box), &qt}) {
        each->addItems({"Attack", QString(60, 'W')});
        each->setMinimumContentsLength(12);
    }
    qt.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    EXPECT_EQ(box.sizeHint(), qt.sizeHint());
    EXPECT_EQ(box.minimumSizeHint(), qt.minimumSizeHint());
}

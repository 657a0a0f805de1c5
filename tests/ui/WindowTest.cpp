#include "EditorHarness.h"
#include "FieldEntries.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QThread>
#include <QTimer>

#include <filesystem>

using namespace mobwright;
using namespace mobwright::test;

TEST(Window, ShowsItsFixedTextsAndEveryControlOnItsPage)
{
    EditorHarness editor;
    EXPECT_EQ(editor.window().windowTitle(), "Mobwright");
    EXPECT_FALSE(editor.window().windowIcon().isNull());
    EXPECT_EQ(editor.find<QMenu>("mnuFile")->title() + editor.find<QAction>("mnuLoad")->text() +
                  editor.find<QAction>("mnuClose")->text(),
              "&FileLoad ROMClose ROM");
    QStringList tabs;
    for (int i = 0; i < editor.tabs()->count(); ++i)
        tabs << editor.tabs()->tabText(i);
    EXPECT_EQ(tabs, QStringList({"Stats", "Actions", "Gfx / Sound"}));
    const auto label = [&](QWidget *control) {
        const auto *flag = qobject_cast<QCheckBox *>(control);
        for (const QLabel *label : editor.window().findChildren<QLabel *>())
            if (label->buddy() == control)
                return label->text();
        return flag ? flag->text() : "(none)";
    };

    // Page by page, in the order of the tabs: its caption, its picker, its button.
    const struct
    {
        const char *frame, *caption;
        int element;
    } pages[]{
        {"frmOne", "Enemy Stats.", 0}, {"frmTwo", "Actions.", 2}, {"frmThree", "Gfx / Sound", 1}};
    for (const auto &page : pages) {
        const auto *frame = editor.find<QGroupBox>(page.frame);
        EXPECT_EQ(frame->title(), page.caption);
        auto *picker = editor.combo(QStringLiteral("cmbEnemy(%1)").arg(page.element));
        auto *apply = editor.find<QPushButton>(QStringLiteral("cmdApply(%1)").arg(page.element));
        EXPECT_TRUE(frame->isAncestorOf(picker) && frame->isAncestorOf(apply)) << page.frame;
        EXPECT_EQ(label(picker) + apply->text(), "Enemy: Apply Changes");
    }
    // Field by field, in record order: its page and its label.
    const struct
    {
        int page;
        const char *label;
    } fields[FIELD_COUNT]{
        {0, "'The' Flag"},   {0, "Name: "},       {0, "Type: "},         {2, "Inside Pic: "},
        {2, "Outside Pic:"}, {0, "HP: "},         {0, "PP: "},           {0, "Exp. : "},
        {0, "Money: "},      {2, "Movement: "},   {1, "Start Text: "},   {1, "Death Text: "},
        {2, "Palette: "},    {0, "Level: "},      {2, "Music:"},         {0, "Offense: "},
        {0, "Defense: "},    {0, "Speed: "},      {0, "Guts: "},         {0, "IQ: "},
        {0, "Miss Rate: "},  {1, "Order: "},      {1, "Action 1:"},      {1, "Action 2: "},
        {1, "Action 3: "},   {1, "Action 4 : "},  {1, "Final Action: "}, {1, "Argument  1:"},
        {1, "Argument 2:"},  {1, "Argument 3: "}, {1, "Argument 4: "},   {0, "Item Freq.: "},
        {0, "Item: "},       {0, "Satus: "},      {2, "Death Sound:"},   {1, "Max Call: "}};
    for (const FieldLayout &layout : EnemyLayout) {
        const auto &expected = fields[static_cast<std::size_t>(layout.field)];
        QWidget *control =
            editor.find(QString::fromLatin1(layout.control.data(), layout.control.size()));
        EXPECT_TRUE(editor.find<QGroupBox>(pages[expected.page].frame)->isAncestorOf(control))
            << layout.control;
        EXPECT_EQ(label(control), expected.label) << layout.control;
        if (const auto *list = qobject_cast<QComboBox *>(control)) {
            EXPECT_FALSE(list->isEditable()) << layout.control;
            EXPECT_EQ(list->count(), FixedEntries(layout.field).size()) << layout.control;
        }
    }
    // The label array leaves indexes 19 to 21 and 35 to 37 unused.
    QString unused;
    for (int i = 0; i < 44; ++i)
        unused += editor.window().findChild<QLabel *>(QStringLiteral("lbls(%1)").arg(i))
                      ? ""
                      : QString::number(i) + " ";
    EXPECT_EQ(unused, "19 20 21 35 36 37 ");
}

TEST(Window, LoadRomAsksForAnImageWithItsTitleAndFilters)
{
    Main window; // with the real open dialog
    QString asked;
    QTimer::singleShot(0, [&] {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            asked = dialog->windowTitle() + "|" + dialog->nameFilters().value(0);
            dialog->reject();
        }
    });
    window.findChild<QAction *>("mnuLoad")->trigger();
    EXPECT_TRUE(asked.startsWith("Open ROM|Snes Rom Files (*.smc")) << asked.toStdString();
    EXPECT_FALSE(window.isRomLoaded());
}

TEST(Window, OpensTheImageNamedOnTheCommandLine)
{
    TestImage image;
    QProcess editor;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    editor.setProcessEnvironment(environment);
    editor.start(MOBWRIGHT_BINARY, {QString::fromStdString(image.path())});
    ASSERT_TRUE(editor.waitForStarted());
    // It has opened the image once one of its open files is the image.
    const auto files = std::filesystem::path("/proc") / std::to_string(editor.processId()) / "fd";
    bool opened = false;
    for (int tries = 0; tries < 300 && !opened && editor.state() == QProcess::Running; ++tries) {
        QThread::msleep(50);
        std::error_code error;
        for (const auto &file : std::filesystem::directory_iterator(files, error))
            opened = opened || std::filesystem::read_symlink(file, error) == image.path();
    }
    editor.kill();
    editor.waitForFinished();
    EXPECT_TRUE(opened);
}

#include "EditorHarness.h"
#include "TestImage.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTranslator>

using namespace mobwright;
using namespace mobwright::test;

namespace {

// Every text of the pseudo-translation starts with this mark.
const QChar Mark = u'‹';

struct ShownText
{
    QString where;
    QString text;
};

void AddMenuTexts(const QMenu &menu, std::vector<ShownText> &texts)
{
    for (const QAction *action : menu.actions()) {
        // Recent images are entries numbered after the files they name.
        if (action->isSeparator() || action->objectName().contains(u'('))
            continue;
        texts.push_back({action->objectName(), action->text()});
        if (action->menu())
            AddMenuTexts(*action->menu(), texts);
    }
}

// The program's own texts: menus, buttons, frames, pages and fixed labels.
// The field labels and list entries are the table's own names and are left out.
std::vector<ShownText> ProgramTexts(QWidget &window)
{
    std::vector<ShownText> texts;
    for (const QMenu *menu : window.findChildren<QMenu *>(Qt::FindDirectChildrenOnly))
        texts.push_back({menu->objectName(), menu->title()});
    for (const QAction *action : window.findChild<QMenuBar *>()->actions())
        AddMenuTexts(*action->menu(), texts);
    for (const QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
        if (button->objectName() != "chkFlag" && !button->objectName().isEmpty())
            texts.push_back({button->objectName(), button->text()});
    }
    for (const QGroupBox *frame : window.findChildren<QGroupBox *>())
        texts.push_back({frame->objectName(), frame->title()});
    const QTabBar *pages = window.findChild<QTabBar *>("TabStrip1");
    for (int page = 0; page < pages->count(); ++page)
        texts.push_back({"TabStrip1", pages->tabText(page)});
    for (const QLabel *label : window.findChildren<QLabel *>()) {
        if (!label->objectName().startsWith("lbls(") && label->objectName() != "lblImage")
            texts.push_back({label->objectName(), label->text()});
    }
    return texts;
}

} // namespace

TEST(Translation, EveryTextTheWindowShowsGoesThroughTheTranslator)
{
    QTranslator pseudo;
    ASSERT_TRUE(pseudo.load(QStringLiteral(PSEUDO_QM)));
    QCoreApplication::installTranslator(&pseudo);
    {
        TestImage image;
        EditorHarness editor;
        editor.loadRom(image.path());
        const std::vector<ShownText> texts = ProgramTexts(editor.window());
        EXPECT_GT(texts.size(), 40u);
        for (const ShownText &shown : texts)
            EXPECT_TRUE(shown.text.isEmpty() || shown.text.startsWith(Mark))
                << shown.where.toStdString() << ": " << shown.text.toStdString();
    }
    QCoreApplication::removeTranslator(&pseudo);
}

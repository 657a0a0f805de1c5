#pragma once

#include "ImportPlan.h"
#include "MainWindow.h"
#include "ScriptedPrompter.h"
#include "TestImage.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTabBar>
#include <QTimer>

#include <gtest/gtest.h>

namespace mobwright::test {

// Chooses, in the next menu to open, the entry whose object name or text is entry.
inline void ChooseInNextMenu(const QString &entry)
{
    QTimer::singleShot(0, [entry] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        const QList<QAction *> entries = menu ? menu->actions() : QList<QAction *>();
        const auto chosen = std::find_if(entries.begin(), entries.end(), [&entry](const QAction *action) {
            return action->objectName() == entry || action->text() == entry;
        });
        if (chosen != entries.end())
            (*chosen)->trigger();
        else
            ADD_FAILURE() << "no menu entry " << entry.toStdString();
        if (menu)
            menu->close();
    });
}

// Right-clicks area at where and chooses entry in the menu that opens.
inline void ChooseInContextMenu(QWidget *area, const QPoint &where, const QString &entry)
{
    ChooseInNextMenu(entry);
    QContextMenuEvent click(QContextMenuEvent::Mouse, where, area->mapToGlobal(where));
    QApplication::sendEvent(area, &click);
}

// Drives the real editor window the way a user does, without dialogs: its
// questions are answered by a script, "Load ROM" opens whatever file the test
// names, and messages are kept.
class EditorHarness
{
public:
    EditorHarness()
    {
        // No test reads or writes the user's own settings.
        EXPECT_TRUE(QSettings("Mobwright", "Mobwright").fileName().startsWith(QDir::tempPath()));
        window_.show();
    }

    MainWindow &window() { return window_; }
    template <typename T = QWidget> T *find(const QString &name = {}) const
    {
        return window_.findChild<T *>(name);
    }
    QComboBox *combo(const QString &name) const { return find<QComboBox>(name); }
    QLineEdit *edit(const QString &name) const { return find<QLineEdit>(name); }
    QCheckBox *check(const QString &name) const { return find<QCheckBox>(name); }
    QWidget *widget(const QString &name) const { return find<QWidget>(name); }
    QTabBar *tabs() const { return find<QTabBar>("TabStrip1"); }

    // File, "Load ROM", choosing path; an empty path cancels the dialog.
    void loadRom(const QString &path)
    {
        prompter_.nextFile = path;
        find<QAction>("mnuLoad")->trigger();
    }
    void loadRom(const std::string &path) { loadRom(QString::fromStdString(path)); }
    void closeRom() { find<QAction>("mnuClose")->trigger(); }
    void clickTab(int index) { tabs()->setCurrentIndex(index); }
    void clickApply(int index = 0)
    {
        find<QPushButton>(QString("cmdApply(%1)").arg(index))->click();
    }
    void choose(const QString &list, int index) { combo(list)->setCurrentIndex(index); }
    void type(const QString &box, const QString &text) { edit(box)->setText(text); }
    QString visibleFrame() const
    {
        QString visible;
        for (const char *frame : {"frmOne", "frmTwo", "frmThree"})
            visible += find<QGroupBox>(frame)->isHidden() ? "" : frame;
        return visible;
    }
    QStringList takeMessages() { return std::exchange(prompter_.messages, {}); }
    QStringList takePreviews() { return std::exchange(prompter_.previews, {}); }
    // What the offer to open the image again is answered.
    void answerOpenAgain(bool again) { prompter_.openAgainAnswer = again; }
    ScriptedPrompter &prompter() { return prompter_; }

private:
    ScriptedPrompter &prompter_ = *new ScriptedPrompter;
    MainWindow window_{std::unique_ptr<Prompter>(&prompter_)};
};

} // namespace mobwright::test

#pragma once

#include "ImportPlan.h"
#include "MainWindow.h"
#include "TestImage.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabBar>

#include <gtest/gtest.h>

namespace mobwright::test {

// Drives the real editor window the way a user does, without dialogs:
// "Load ROM" opens whatever file the test names, and messages are kept.
class EditorHarness
{
public:
    EditorHarness()
    {
        // No test reads or writes the user's own settings.
        EXPECT_TRUE(QSettings("Mobwright", "Mobwright").fileName().startsWith(QDir::tempPath()));
        window_.setOpenDialog([this](QWidget *) { return nextFile_; });
        window_.setMessageSink([this](const QString &message) { messages_.append(message); });
        window_.setUnappliedQuestion(
            [](QWidget *, const QString &) { return UnappliedAnswer::Discard; });
        // The preview of a write is taken as read, and kept; no conflict is ticked.
        window_.setChangesQuestion([this](QWidget *, const QString &, const QString &summary,
                                          const std::vector<CellChange> &) {
            previews_.append(summary);
            return true;
        });
        window_.setApplyQuestion([this](QWidget *, const QString &, const QString &summary,
                                        const std::vector<CellChange> &, const std::vector<bool> &rows) {
            previews_.append(summary);
            return std::optional(std::vector<bool>(rows.size(), false));
        });
        // The offer to open a replaced image again is kept as a message.
        window_.setOpenAgainQuestion([this](QWidget *, const QString &message) {
            messages_.append(QStringLiteral("Open again? ") + message);
            return openAgain_;
        });
        window_.show();
    }

    MainWindow &window() { return window_; }
    template <typename T = QWidget> T *find(const QString &name) const
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
        nextFile_ = path;
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
    QStringList takeMessages() { return std::exchange(messages_, {}); }
    QStringList takePreviews() { return std::exchange(previews_, {}); }
    // What the offer to open the image again is answered.
    void answerOpenAgain(bool again) { openAgain_ = again; }

private:
    MainWindow window_;
    QString nextFile_;
    QStringList messages_;
    QStringList previews_;
    bool openAgain_ = false;
};

} // namespace mobwright::test

#pragma once

#include "MainWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

namespace mobwright::test {

// Drives the real editor window the way a user does, without dialogs:
// "Load ROM" opens whatever file the test names, and messages are kept.
class EditorHarness
{
public:
    EditorHarness();
    ~EditorHarness();

    Main &window() { return *window_; }

    QComboBox *combo(const QString &name) const { return find<QComboBox>(name); }
    QLineEdit *edit(const QString &name) const { return find<QLineEdit>(name); }
    QCheckBox *check(const QString &name) const { return find<QCheckBox>(name); }
    QWidget *widget(const QString &name) const { return find<QWidget>(name); }

    // File, "Load ROM", choosing path; an empty path cancels the dialog.
    void loadRom(const QString &path);
    void closeRom();
    void clickTab(int index);
    void clickApply(int index = 0);
    // Chooses an entry as the user would.
    void choose(const QString &comboName, int index);
    void type(const QString &editName, const QString &text);
    // Closes the window as the user would.
    void closeWindow();

    // The page frame that is visible now, or "" when none is.
    QString visibleFrame() const;
    // Messages shown to the user since the last call.
    QStringList takeMessages();

private:
    template<typename T>
    T *find(const QString &name) const
    {
        T *found = window_->findChild<T *>(name);
        if (!found)
            ADD_FAILURE() << "no control named " << name.toStdString();
        return found;
    }

    std::unique_ptr<Main> window_;
    QString nextFile_;
    QStringList messages_;
};

} // namespace mobwright::test

#include <gtest/gtest.h>

#include "EditorHarness.h"

#include <QAction>
#include <QGroupBox>
#include <QPushButton>
#include <QTabBar>

namespace mobwright::test {

EditorHarness::EditorHarness()
    : window_(std::make_unique<Main>())
{
    window_->setOpenDialog([this](QWidget *) { return nextFile_; });
    window_->setMessageSink([this](const QString &message) { messages_.append(message); });
    window_->setUnappliedQuestion([](QWidget *, const QString &) { return UnappliedAnswer::Discard; });
    window_->show();
}

EditorHarness::~EditorHarness()
{
    closeWindow();
}

void EditorHarness::loadRom(const QString &path)
{
    nextFile_ = path;
    find<QAction>("mnuLoad")->trigger();
}

void EditorHarness::closeRom()
{
    find<QAction>("mnuClose")->trigger();
}

void EditorHarness::clickTab(int index)
{
    find<QTabBar>("TabStrip1")->setCurrentIndex(index);
}

void EditorHarness::clickApply(int index)
{
    find<QPushButton>(QStringLiteral("cmdApply(%1)").arg(index))->click();
}

void EditorHarness::choose(const QString &comboName, int index)
{
    combo(comboName)->setCurrentIndex(index);
}

void EditorHarness::type(const QString &editName, const QString &text)
{
    edit(editName)->setText(text);
}

void EditorHarness::closeWindow()
{
    if (window_->isVisible())
        window_->close();
}

QString EditorHarness::visibleFrame() const
{
    QString visible;
    for (const char *frame : {"frmOne", "frmTwo", "frmThree"}) {
        if (!find<QGroupBox>(frame)->isHidden())
            visible += QString::fromLatin1(frame);
    }
    return visible;
}

QStringList EditorHarness::takeMessages()
{
    return std::exchange(messages_, {});
}

} // namespace mobwright::test

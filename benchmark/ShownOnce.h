#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <fstream>
#include <string>

namespace mobwright::bench {

// Prints the process's peak resident memory so far, its VmHWM line, for the
// benchmark: only the process itself can tell it, as a child's ru_maxrss
// keeps the peak of the process that started it.
inline void PrintPeakMemory()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmHWM:"))
            std::printf("%s\n", line.c_str());
    }
    std::fflush(stdout);
}

// Quits the application once window has been shown and painted, reporting its
// size and its peak memory then: where a start-up probe ends, so that its
// whole start-up is timed from outside.
inline void QuitOncePainted(QWidget &window)
{
    struct FirstPaint : QObject
    {
        using QObject::QObject;
        bool eventFilter(QObject *object, QEvent *event) override
        {
            if (event->type() == QEvent::Paint) {
                object->removeEventFilter(this);
                // For a probe that is to show a window as large.
                const QSize size = static_cast<QWidget *>(object)->size();
                std::printf("Window: %dx%d\n", size.width(), size.height());
                QTimer::singleShot(0, qApp, [] {
                    PrintPeakMemory();
                    QCoreApplication::quit();
                });
            }
            return false;
        }
    };
    window.installEventFilter(new FirstPaint(&window));
}

} // namespace mobwright::bench

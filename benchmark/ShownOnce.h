#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace mobwright::bench {

// Quits the application once window has been shown and painted: where a
// start-up probe ends, so that its whole start-up is timed from outside.
inline void QuitOncePainted(QWidget &window)
{
    struct FirstPaint : QObject
    {
        using QObject::QObject;
        bool eventFilter(QObject *object, QEvent *event) override
        {
            if (event->type() == QEvent::Paint) {
                object->removeEventFilter(this);
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            }
            return false;
        }
    };
    window.installEventFilter(new FirstPaint(&window));
}

} // namespace mobwright::bench

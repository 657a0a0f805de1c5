#include "WindowPlace.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace mobwright {

WindowPlace::WindowPlace(QWidget &window, std::shared_ptr<Settings> settings, QString key, Fit fit)
    : QObject(&window)
    , window_(window)
    , settings_(std::move(settings))
    , key_(std::move(key))
{
    window.restoreGeometry(settings_->value(key_).toByteArray());
    window.installEventFilter(this);
    if (fit == Fit::AsLeft)
        return;
    // Within the area its screen leaves free of panels, with room for the
    // frame the window manager adds, whatever size it was left at.
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    const QRect room = screen->availableGeometry();
    const QSize fits = window.size().boundedTo(room.size() * 0.9);
    if (fits != window.size() || !room.contains(window.geometry())) {
        QRect place(QPoint(), fits);
        place.moveCenter(room.center());
        window.setGeometry(place);
    }
}

bool WindowPlace::eventFilter(QObject *object, QEvent *event)
{
    if (object == &window_ && event->type() == QEvent::Hide)
        settings_->setValue(key_, window_.saveGeometry());
    return QObject::eventFilter(object, event);
}

} // namespace mobwright

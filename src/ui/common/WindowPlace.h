#pragma once

#include "Settings.h"

#include <QObject>
#include <QString>

#include <memory>

class QWidget;

namespace mobwright {

// Keeps a window's size, place and maximised state in settings under key:
// given back now, kept whenever the window is hidden, however it was
// closed. One that must fit opens within the area its screen leaves free
// of panels, at the size it has if that fits.
class WindowPlace : public QObject
{
    Q_OBJECT

public:
    enum class Fit { AsLeft, WithinScreen };
    WindowPlace(QWidget &window, std::shared_ptr<Settings> settings, QString key, Fit fit);

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    QWidget &window_;
    std::shared_ptr<Settings> settings_;
    QString key_;
};

} // namespace mobwright

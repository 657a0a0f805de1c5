#pragma once

#include "Settings.h"

#include <QObject>

#include <memory>

class QMainWindow;

namespace mobwright {

class EnemyEditor;
class ImageSession;

// What the window keeps in the user's settings from one run to the next:
// its size and place, and for each image the enemy and page shown when it
// was left, shown again when it is opened.
class WindowMemory : public QObject
{
    Q_OBJECT

public:
    // Gives window the size and place it had when last closed.
    WindowMemory(QMainWindow &window, ImageSession &session, EnemyEditor &editor,
                 std::shared_ptr<Settings> settings);

private:
    void leaveImage();
    void showImageAsLeft();

    QMainWindow &window_;
    ImageSession &session_;
    EnemyEditor &editor_;
    std::shared_ptr<Settings> settings_; // kept until the last part that writes to it goes
};

} // namespace mobwright

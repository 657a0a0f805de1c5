#pragma once

#include "UserSettings.h"

#include <QObject>

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
    WindowMemory(QMainWindow &window, ImageSession &session, EnemyEditor &editor);

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    void leaveImage();
    void showImageAsLeft();

    QMainWindow &window_;
    ImageSession &session_;
    EnemyEditor &editor_;
    UserSettings settings_;
};

// The settings key under group for what is kept of one image: its absolute
// path, encoded so that no character of it is read as part of a key.
QString ImageKey(const QString &group, const QString &imagePath);

} // namespace mobwright

#pragma once

#include <memory>

class QMainWindow;

namespace mobwright {

class EnemyNavigator;
class ImageSession;
class Prompter;
class Settings;

// What the window gives the parts that add their menu entries to it.
struct WindowParts
{
    QMainWindow &window; // the parent of their dialogs, with the status bar they write to
    ImageSession &session;
    Prompter &prompter;
    EnemyNavigator &navigator;
    std::shared_ptr<Settings> settings;
};

} // namespace mobwright

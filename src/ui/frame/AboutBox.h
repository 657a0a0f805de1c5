#pragma once

class QWidget;

namespace mobwright {

// "Help › About Mobwright": the version, what the program edits, the licence.
void ShowAboutMobwright(QWidget *parent);

} // namespace mobwright

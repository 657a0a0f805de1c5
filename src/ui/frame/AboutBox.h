#pragma once

class QString;
class QWidget;

namespace mobwright {

// "Help › About Mobwright": the version, what the program edits, where its
// journals are (journals tells), the licence.
void ShowAboutMobwright(QWidget *parent, const QString &journals);

} // namespace mobwright

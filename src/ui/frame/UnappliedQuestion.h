#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace mobwright {

enum class UnappliedAnswer { Apply, Discard, Cancel };

// Asks what becomes of the edits not yet written before they would be lost;
// what says how many there are: "14 enemies (20 fields)".
using UnappliedQuestion = std::function<UnappliedAnswer(QWidget *parent, const QString &what)>;

// The question as a message box: Apply All, Discard or Cancel; Escape cancels.
UnappliedAnswer AskAboutUnappliedEdits(QWidget *parent, const QString &what);

} // namespace mobwright

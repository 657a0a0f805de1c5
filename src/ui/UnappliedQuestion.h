#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace mobwright {

enum class UnappliedAnswer { Apply, Discard, Cancel };

// Asks what becomes of the unapplied edits to an enemy before the window
// leaves it; enemy is its label in the pickers.
using UnappliedQuestion = std::function<UnappliedAnswer(QWidget *parent, const QString &enemy)>;

// The question as a message box: Apply, Discard or Cancel; Escape cancels.
UnappliedAnswer AskAboutUnappliedEdits(QWidget *parent, const QString &enemy);

} // namespace mobwright

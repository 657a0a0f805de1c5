#pragma once

#include <QKeySequence>
#include <QList>

#include <functional>

class QKeyEvent;
class QWidget;

namespace mobwright {

// The platform's keys for a standard action, or fallback where the platform
// has none: some desktop themes give Quit no key at all.
QList<QKeySequence> StandardKeysOr(QKeySequence::StandardKey key, const QKeySequence &fallback);

// Ctrl+Tab (1) or Ctrl+Shift+Tab (-1), as the platform delivers them: X11
// sends Ctrl+Shift+Tab as Backtab with Ctrl and Shift. 0 for any other key.
int PageStep(const QKeyEvent &event);

// The keys of PageStep, pressed anywhere in window, call step. Read as the
// key press itself, as QTabWidget does: no one shortcut matches
// Ctrl+Shift+Tab as every platform delivers it.
void StepPagesOnKeys(QWidget &window, std::function<void(int step)> step);

} // namespace mobwright

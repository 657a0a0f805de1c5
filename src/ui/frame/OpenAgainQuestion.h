#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace mobwright {

// Says, in message, that the file at the image's path is no longer the image
// opened, and asks what becomes of the edits: true opens the image again,
// the edits then merging onto what it holds; false keeps them for now.
using OpenAgainQuestion = std::function<bool(QWidget *parent, const QString &message)>;

// The question as a message box: Open Again or Keep Edits; Escape keeps them.
bool AskToOpenAgain(QWidget *parent, const QString &message);

} // namespace mobwright

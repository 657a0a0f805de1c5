#pragma once

#include <QMessageBox>

#include <memory>

namespace mobwright {

// A warning box for message that fits on the screen however long the message
// is: a long one shows its first paragraph, the rest in a scrolling area.
std::unique_ptr<QMessageBox> WarningBox(QWidget *parent, const QString &title,
                                        const QString &message);

// Shows that box and waits until it is closed.
void ShowWarning(QWidget *parent, const QString &title, const QString &message);

} // namespace mobwright

#pragma once

#include <QMessageBox>

class QDialogButtonBox;

#include <memory>

namespace mobwright {

// A warning box for message that fits on the screen however long the message
// is: a long one shows its first paragraph, the rest in a scrolling area.
std::unique_ptr<QMessageBox> WarningBox(QWidget *parent, const QString &title,
                                        const QString &message);

// Shows that box and waits until it is closed. Its text can be selected
// and copied: a path, a field, a byte offset.
void ShowWarning(QWidget *parent, const QString &title, const QString &message);

// Gives the standard OK and Cancel buttons an access key ("&OK", "&Cancel"),
// which not every platform theme gives them.
void SetAccessKeys(QDialogButtonBox &buttons);
void SetAccessKeys(QMessageBox &box);

} // namespace mobwright

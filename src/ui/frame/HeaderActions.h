#pragma once

#include "WindowParts.h"
#include "WriteOutcome.h"

#include <QObject>
#include <QString>

class QAction;
class QLabel;
class QMenu;

namespace mobwright {

// The window's part for the image's internal header: File › Image
// Information…, Edit › Fix Checksum and the setting "Keep the checksum right
// after each write", and a note in the status bar while the checksum does
// not match.
class HeaderActions : public QObject
{
    Q_OBJECT

public:
    explicit HeaderActions(const WindowParts &parts);

    void addFileEntry(QMenu *file);
    void addEditEntries(QMenu *edit);

    // "Fix Checksum": one step of the history, told as a write is.
    void fixChecksum();

signals:
    void wrote(const QString &what, const WriteOutcome &outcome);

private:
    void showImageInfo();
    void keepChecksum(bool keep);
    void showState();

    WindowParts parts_;
    ImageSession &session_;
    QAction *info_;
    QAction *fix_;
    QAction *keep_;
    QLabel *status_;
};

} // namespace mobwright

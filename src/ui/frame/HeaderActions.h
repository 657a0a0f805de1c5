#pragma once

#include "ImageInfo.h"
#include "WindowParts.h"
#include "WriteOutcome.h"

#include <QObject>
#include <QString>

#include <optional>

class QAction;
class QLabel;
class QMenu;

namespace mobwright {

class FactsInBackground;

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
    // The actions at once; the note once the image is read.
    void readState();
    void showState(const std::optional<ImageFacts> &facts);

    WindowParts parts_;
    ImageSession &session_;
    QAction *info_;
    QAction *fix_;
    QAction *keep_;
    QLabel *status_;
    FactsInBackground *facts_;
};

} // namespace mobwright

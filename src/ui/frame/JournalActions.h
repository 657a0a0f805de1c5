#pragma once

#include "WindowParts.h"

#include <QObject>

class QAction;

namespace mobwright {

// The window's side of the journal of writes: File › Journal Every Write,
// which the settings keep; what Help tells of the journals; and the
// question a write left unfinished asks when its image is opened.
class JournalActions : public QObject
{
    Q_OBJECT

public:
    explicit JournalActions(const WindowParts &parts);

    QAction *toggleEntry() const { return toggle_; }
    // Where the journals are, how much room they take, and whether writes are journaled.
    QString journalsText() const;
    // Asks what to do with the open image's unfinished write, if it has one.
    void settleUnfinished();

private:
    WindowParts parts_;
    QAction *toggle_;
};

} // namespace mobwright

#pragma once

#include "PendingEdits.h"
#include "TableEdits.h"

#include <QObject>

#include <optional>
#include <vector>

namespace mobwright {

class ImageSession;

// Whole records of the rows selected: Copy Enemy, Paste onto Selected
// Enemies and Swap Enemies, each paste or swap one step of pending edits.
// Each enemy keeps its number; the name and every byte of the record move.
class RecordCommands : public QObject
{
    Q_OBJECT

public:
    RecordCommands(ImageSession &session, QObject *parent);

    // Keeps the record of the first selected row, as the table shows it.
    void copy(const std::vector<TableCell> &selected);
    // Gives the rows selected the record copied.
    void paste(const std::vector<TableCell> &selected);
    // Exchanges the records of the two rows selected.
    void swap(const std::vector<TableCell> &selected);

signals:
    void refused(const QString &message);

private:
    ImageSession &session_;
    std::optional<PendingRecord> copied_;
    QString copiedLabel_; // the enemy's label when copied
};

} // namespace mobwright

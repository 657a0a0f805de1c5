#pragma once

#include <QWidget>

#include <cstdint>

class QListWidget;
class QPushButton;

namespace mobwright {

class ImageSession;

// "Edit › History": the session's steps by name, the image as opened first,
// the current one selected; choosing one asks to go there. Below, the
// writes of earlier sessions that the journal keeps, newest first, any of
// which can be undone, with every write since.
class HistoryView : public QWidget
{
    Q_OBJECT

public:
    HistoryView(const ImageSession &session, QWidget *parent);

signals:
    // The user chose the step after which done steps are done.
    void stepChosen(int done);
    // The user asked to undo the earlier write numbered sequence, named step.
    void earlierWriteUndone(std::uint64_t sequence, const QString &step);

private:
    void showSteps();
    void showEarlierWrites();

    const ImageSession &session_;
    QListWidget *steps_;
    QListWidget *earlier_;
    QPushButton *undoEarlier_;
};

} // namespace mobwright

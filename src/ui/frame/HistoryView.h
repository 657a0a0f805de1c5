#pragma once

#include <QWidget>

class QListWidget;

namespace mobwright {

class ImageSession;

// "Edit › History": the session's steps by name, the image as opened first,
// the current one selected; choosing one asks to go there.
class HistoryView : public QWidget
{
    Q_OBJECT

public:
    HistoryView(const ImageSession &session, QWidget *parent);

signals:
    // The user chose the step after which done steps are done.
    void stepChosen(int done);

private:
    void showSteps();

    const ImageSession &session_;
    QListWidget *steps_;
};

} // namespace mobwright

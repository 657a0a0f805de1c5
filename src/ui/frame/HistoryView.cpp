#include "HistoryView.h"

#include "ImageSession.h"

#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace mobwright {

HistoryView::HistoryView(const ImageSession &session, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , session_(session)
    , steps_(new QListWidget)
{
    setObjectName(QStringLiteral("frmHistory"));
    setWindowTitle(tr("History"));
    steps_->setObjectName(QStringLiteral("lstHistory"));
    steps_->setAccessibleName(tr("Steps of the history"));
    steps_->setAccessibleDescription(tr("Choose a step to undo or redo every step up to it"));
    auto *label = new QLabel(tr("&Steps, oldest first; those after the one selected are undone:"));
    label->setWordWrap(true);
    label->setBuddy(steps_);
    auto *column = new QVBoxLayout(this);
    column->addWidget(label);
    column->addWidget(steps_);
    connect(steps_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row != session_.stepsDone())
            emit stepChosen(row);
        showSteps(); // where the history is, which a failed write may have kept
    });
    connect(&session_, &ImageSession::historyChanged, this, &HistoryView::showSteps);
    connect(&session_, &ImageSession::opened, this, &HistoryView::showSteps);
    connect(&session_, &ImageSession::closed, this, &HistoryView::showSteps);
    showSteps();
    resize(360, 420);
}

void HistoryView::showSteps()
{
    const QSignalBlocker quiet(steps_);
    QStringList texts{tr("(the image as opened)")};
    for (int step = 0; step < session_.stepCount(); ++step)
        texts.append(session_.stepText(step));
    steps_->clear();
    steps_->addItems(texts);
    for (int row = 0; row < steps_->count(); ++row) {
        QFont font = steps_->item(row)->font();
        font.setItalic(row > session_.stepsDone()); // undone, to redo
        steps_->item(row)->setFont(font);
    }
    steps_->setCurrentRow(session_.stepsDone());
}

} // namespace mobwright

#include "HistoryView.h"

#include "ImageSession.h"
#include "JournalText.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace mobwright {

HistoryView::HistoryView(const ImageSession &session, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , session_(session)
    , steps_(new QListWidget)
    , earlier_(new QListWidget)
    , undoEarlier_(new QPushButton(tr("&Undo It and Every Write Since")))
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
    earlier_->setObjectName(QStringLiteral("lstEarlierWrites"));
    earlier_->setAccessibleName(tr("Writes of earlier sessions"));
    auto *earlierLabel =
        new QLabel(tr("&Earlier sessions' writes, as the journal keeps them, newest first:"));
    earlierLabel->setWordWrap(true);
    earlierLabel->setBuddy(earlier_);
    undoEarlier_->setObjectName(QStringLiteral("cmdUndoEarlier"));
    undoEarlier_->setToolTip(tr("Takes the table back to where it was before the write selected, "
                                "as one step; refused where the image no longer holds what the "
                                "writes left"));
    column->addWidget(earlierLabel);
    column->addWidget(earlier_);
    column->addWidget(undoEarlier_, 0, Qt::AlignRight);
    connect(earlier_, &QListWidget::currentRowChanged, this,
            [this](int row) { undoEarlier_->setEnabled(row >= 0); });
    connect(undoEarlier_, &QPushButton::clicked, this, [this] {
        if (const QListWidgetItem *item = earlier_->currentItem())
            emit earlierWriteUndone(item->data(Qt::UserRole).toULongLong(),
                                    item->data(Qt::UserRole + 1).toString());
    });
    connect(steps_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row != session_.stepsDone())
            emit stepChosen(row);
        showSteps(); // where the history is, which a failed write may have kept
    });
    connect(&session_, &ImageSession::historyChanged, this, &HistoryView::showSteps);
    for (const auto signal : {&ImageSession::opened, &ImageSession::closed}) {
        connect(&session_, signal, this, &HistoryView::showSteps);
        connect(&session_, signal, this, &HistoryView::showEarlierWrites);
    }
    showSteps();
    showEarlierWrites();
    resize(480, 560);
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

void HistoryView::showEarlierWrites()
{
    earlier_->clear();
    const std::vector<JournalEntry> entries = session_.earlierWrites();
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        auto *item = new QListWidgetItem(JournalEntryLine(*entry, false), earlier_);
        item->setData(Qt::UserRole, QVariant::fromValue(entry->sequence));
        item->setData(Qt::UserRole + 1, QString::fromStdString(entry->step));
    }
    undoEarlier_->setEnabled(false);
}

} // namespace mobwright

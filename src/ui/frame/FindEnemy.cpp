#include "FindEnemy.h"

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QCompleter>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

namespace mobwright {

FindEnemy::FindEnemy(QAbstractItemModel *enemies, QWidget *parent)
    : QToolBar(tr("Find Enemy"), parent)
    , enemies_(enemies)
    , field_(new QLineEdit)
    , completer_(new QCompleter(enemies, this))
{
    setObjectName(QStringLiteral("barFind"));
    setMovable(false);
    field_->setObjectName(QStringLiteral("txtFind"));
    field_->setPlaceholderText(tr("Number or part of a name"));
    field_->setClearButtonEnabled(true);
    field_->setMaximumWidth(field_->fontMetrics().horizontalAdvance(QString(40, 'n')));
    // The pickers' labels start with the number, so matching anywhere in
    // them finds both numbers and names.
    completer_->setCaseSensitivity(Qt::CaseInsensitive);
    completer_->setFilterMode(Qt::MatchContains);
    completer_->setCompletionMode(QCompleter::PopupCompletion);
    completer_->setMaxVisibleItems(12);
    field_->setCompleter(completer_);
    addWidget(new QLabel(tr("Find enemy: ")));
    addWidget(field_);
    QAction *close = addAction(style()->standardIcon(QStyle::SP_TitleBarCloseButton), tr("Close"));
    close->setToolTip(tr("Close (Escape)"));
    connect(close, &QAction::triggered, this, &QWidget::hide);

    connect(completer_, qOverload<const QModelIndex &>(&QCompleter::activated), this,
            [this](const QModelIndex &hit) {
                const auto *hits =
                    static_cast<QAbstractProxyModel *>(completer_->completionModel());
                emit enemyChosen(hits->mapToSource(hit).row());
                hide();
            });
    connect(field_, &QLineEdit::returnPressed, this, &FindEnemy::chooseTyped);
    hide();
}

void FindEnemy::start()
{
    show();
    field_->setFocus();
    field_->selectAll();
}

void FindEnemy::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        hide();
    else
        QToolBar::keyPressEvent(event);
}

// Return without choosing from the list: a number goes to that enemy,
// other text to the first enemy that it matches.
void FindEnemy::chooseTyped()
{
    const QString text = field_->text().trimmed();
    // A hit chosen in the list is taken by the completion list itself.
    const QAbstractItemView *hits = completer_->popup();
    if (text.isEmpty() || (hits->isVisible() && hits->currentIndex().isValid()))
        return;
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    int index = -1;
    if (isNumber && number >= 1 && number <= enemies_->rowCount()) {
        index = number - 1;
    } else {
        completer_->setCompletionPrefix(text);
        if (completer_->completionCount() > 0) {
            const auto *hits = static_cast<QAbstractProxyModel *>(completer_->completionModel());
            index = hits->mapToSource(completer_->completionModel()->index(0, 0)).row();
        }
    }
    if (index < 0)
        return;
    emit enemyChosen(index);
    hide();
}

} // namespace mobwright

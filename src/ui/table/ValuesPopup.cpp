#include "ValuesPopup.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace mobwright {
namespace {

constexpr int TextRole = Qt::UserRole;

QPushButton *Button(const QString &text, const char *name)
{
    auto *button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

ValuesPopup::ValuesPopup(const std::vector<DistinctValue> &values, const QStringList &ticked,
                         QWidget *parent)
    : QFrame(parent, Qt::Popup)
    , list_(new QListWidget)
{
    setObjectName(QStringLiteral("frmValues"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    list_->setObjectName(QStringLiteral("lstValues"));
    for (const DistinctValue &value : values) {
        auto *item = new QListWidgetItem(tr("%1  (%2)").arg(value.text).arg(value.count), list_);
        item->setData(TextRole, value.text);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(ticked.contains(value.text) ? Qt::Checked : Qt::Unchecked);
    }
    list_->setCurrentRow(0);
    list_->installEventFilter(this);
    // As tall as its values, up to a screenful of them.
    const int shown = std::clamp(list_->count(), 1, 20);
    list_->setFixedHeight(shown * list_->sizeHintForRow(0) + 2 * list_->frameWidth());

    auto *ascending = Button(tr("Sort &Ascending"), "cmdSortAscending");
    auto *descending = Button(tr("Sort &Descending"), "cmdSortDescending");
    connect(ascending, &QPushButton::clicked, this, [this] {
        emit sortRequested(Qt::AscendingOrder);
        close();
    });
    connect(descending, &QPushButton::clicked, this, [this] {
        emit sortRequested(Qt::DescendingOrder);
        close();
    });
    auto *all = Button(tr("Tick A&ll"), "cmdTickAll");
    auto *none = Button(tr("Tick &None"), "cmdTickNone");
    connect(all, &QPushButton::clicked, this, [this] { tickAll(true); });
    connect(none, &QPushButton::clicked, this, [this] { tickAll(false); });

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    QPushButton *filter = buttons->addButton(tr("&Filter"), QDialogButtonBox::AcceptRole);
    filter->setObjectName(QStringLiteral("cmdFilterValues"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ValuesPopup::choose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);

    auto *sorting = new QHBoxLayout;
    sorting->addWidget(ascending);
    sorting->addWidget(descending);
    auto *ticking = new QHBoxLayout;
    ticking->addWidget(all);
    ticking->addWidget(none);
    auto *column = new QVBoxLayout(this);
    column->addLayout(sorting);
    column->addWidget(list_, 1);
    column->addLayout(ticking);
    column->addWidget(buttons);
}

void ValuesPopup::popUp(const QPoint &where)
{
    adjustSize();
    QRect placed(where, size());
    if (const QScreen *screen = QGuiApplication::screenAt(where)) {
        const QRect room = screen->availableGeometry();
        placed.setHeight(std::min(placed.height(), room.height()));
        placed.moveRight(std::min(placed.right(), room.right()));
        placed.moveBottom(std::min(placed.bottom(), room.bottom()));
    }
    setGeometry(placed);
    show();
    list_->setFocus();
}

void ValuesPopup::tickAll(bool ticked)
{
    for (int row = 0; row < list_->count(); ++row)
        list_->item(row)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

void ValuesPopup::choose()
{
    QStringList texts;
    for (int row = 0; row < list_->count(); ++row) {
        if (list_->item(row)->checkState() == Qt::Checked)
            texts.append(list_->item(row)->data(TextRole).toString());
    }
    // Every value ticked keeps every row.
    if (texts.size() == list_->count())
        texts.clear();
    emit valuesChosen(texts);
    close();
}

// Return in the list filters, as the default button would.
bool ValuesPopup::eventFilter(QObject *object, QEvent *event)
{
    if (object == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            choose();
            return true;
        }
    }
    return QFrame::eventFilter(object, event);
}

} // namespace mobwright

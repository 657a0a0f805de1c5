#include "ListComboBox.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QListView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolTip>

namespace mobwright {
namespace {

// Paints an entry's number, right-aligned in a column of its own, before its label.
class NumberedEntries : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit NumberedEntries(const ListComboBox &box)
        : QStyledItemDelegate(const_cast<ListComboBox *>(&box))
        , box_(box)
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem label = option;
        label.rect.setLeft(option.rect.left() + numberWidth(option));
        QStyledItemDelegate::paint(painter, label, index);
        QStyleOptionViewItem number = option;
        number.rect.setWidth(numberWidth(option) - gap(option));
        number.text = QString::number(box_.numberAt(index.row()));
        number.displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
        number.features &= ~QStyleOptionViewItem::HasDecoration;
        number.palette.setColor(QPalette::Text, option.palette.color(QPalette::PlaceholderText));
        const QWidget *widget = option.widget;
        widget->style()->drawControl(QStyle::CE_ItemViewItem, &number, painter, widget);
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(numberWidth(option), 0);
    }

private:
    static int gap(const QStyleOptionViewItem &option) { return option.fontMetrics.horizontalAdvance(u'n'); }
    int numberWidth(const QStyleOptionViewItem &option) const
    {
        const int widest = std::max(box_.numberAt(box_.count() - 1), box_.numberAt(0));
        return option.fontMetrics.horizontalAdvance(QString::number(widest)) + 2 * gap(option);
    }

    const ListComboBox &box_;
};

bool IsTyping(const QKeyEvent *key)
{
    const QString text = key->text();
    return !text.isEmpty() && text.at(0).isPrint() &&
           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

} // namespace

ListComboBox::ListComboBox(QWidget *parent)
    : SizedComboBox(parent)
{
}

int ListComboBox::numberAt(int row) const
{
    const QVariant own = itemData(row, Qt::UserRole);
    return own.isValid() ? own.toInt() : row + firstNumber_;
}

void ListComboBox::preparePopup()
{
    if (std::exchange(prepared_, true))
        return;
    view()->setItemDelegate(new NumberedEntries(*this));
    view()->installEventFilter(this);
}

void ListComboBox::showPopup()
{
    preparePopup();
    QComboBox::showPopup();
}

void ListComboBox::hidePopup()
{
    QComboBox::hidePopup();
    // A box hidden with its page, its list never narrowed, has nothing to
    // show again; its list is not even made until it is shown.
    if (!typed_.isEmpty())
        narrow({});
}

void ListComboBox::narrow(const QString &text)
{
    typed_ = text;
    auto *list = qobject_cast<QListView *>(view());
    if (!list)
        return;
    int first = -1;
    int kept = 0;
    for (int row = 0; row < count(); ++row) {
        const bool keep = text.isEmpty() || QString::number(numberAt(row)).contains(text) ||
                          itemText(row).contains(text, Qt::CaseInsensitive);
        list->setRowHidden(row, !keep);
        kept += keep ? 1 : 0;
        if (keep && first < 0)
            first = row;
    }
    // The first entry kept is the one Return picks; Up and Down move among those kept.
    const auto makeCurrent = [&] {
        const bool currentKept = list->currentIndex().isValid() && !list->isRowHidden(list->currentIndex().row());
        if (first >= 0 && (!text.isEmpty() || !currentKept))
            list->setCurrentIndex(model()->index(first, modelColumn(), rootModelIndex()));
    };
    makeCurrent();
    if (!list->isVisible())
        return;
    QComboBox::showPopup(); // placed anew for the entries kept, with the box's entry current
    makeCurrent();
    // and no taller than they need, however the style sizes it
    QWidget *popup = list->window();
    const int needed = popup->height() - list->viewport()->height() +
                       std::max(kept, 1) * list->sizeHintForRow(std::max(first, 0));
    if (needed < popup->height())
        popup->resize(popup->width(), needed);
    QToolTip::showText(list->mapToGlobal(QPoint(0, list->height())),
                       text.isEmpty() ? QString()
                                      : tr("Entries holding \"%1\" — Backspace widens").arg(text),
                       list);
}

// Typing while the list is open narrows it; Backspace widens it again.
bool ListComboBox::eventFilter(QObject *object, QEvent *event)
{
    if (object == view() && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Backspace && !typed_.isEmpty()) {
            narrow(typed_.chopped(1));
            return true;
        }
        if (IsTyping(key)) {
            narrow(typed_ + key->text());
            return true;
        }
    }
    return QComboBox::eventFilter(object, event);
}

} // namespace mobwright

#include "ListComboBox.moc"

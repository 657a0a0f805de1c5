#include "CellDelegate.h"

#include "EnemyTableModel.h"
#include "ListComboBox.h"
#include "QtText.h"
#include "RefusalFrame.h"

#include <QAbstractProxyModel>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QToolTip>
#include <QtMath>

namespace mobwright {
namespace {

QModelIndex SourceIndex(const QModelIndex &index)
{
    const auto *proxy = qobject_cast<const QAbstractProxyModel *>(index.model());
    return proxy ? proxy->mapToSource(index) : index;
}

// The cell an editor edits, in the table model's own terms.
const char *const CellProperty = "cell";

bool IsCommitKey(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab || key == Qt::Key_Backtab;
}

// The colour the style gives a cell's text.
QColor TextColour(const QStyleOptionViewItem &cell)
{
    QPalette::ColorGroup group = cell.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && !(cell.state & QStyle::State_Active))
        group = QPalette::Inactive;
    return cell.palette.color(group, cell.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                         : QPalette::Text);
}

// Where the style puts a line of text in its room: across by the line's
// natural width, down by its whole pixels.
QPointF TextPosition(const QStyleOptionViewItem &cell, const QRect &room, const QSizeF &size)
{
    const Qt::Alignment across = QStyle::visualAlignment(cell.direction, cell.displayAlignment);
    const qreal spare = room.width() - size.width();
    const qreal x = room.x() + (across & Qt::AlignRight ? spare : across & Qt::AlignHCenter ? spare / 2 : 0);
    const int y = QStyle::alignedRect(cell.direction, cell.displayAlignment & Qt::AlignVertical_Mask,
                                      QSize(room.width(), qCeil(size.height())), room).top();
    return {x, qreal(y)};
}

} // namespace

int CellDelegate::textMargin(const QWidget *view)
{
    const QStyle *style = view ? view->style() : QApplication::style();
    return style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
}

CellDelegate::CellDelegate(const EnemyTableModel &model, QObject *parent)
    : QStyledItemDelegate(parent)
    , model_(model)
{
}

QWidget *CellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                    const QModelIndex &index) const
{
    const auto choices = model_.choices(SourceIndex(index));
    if (choices.empty()) {
        auto *edit = static_cast<QLineEdit *>(QStyledItemDelegate::createEditor(parent, option, index));
        edit->setObjectName(QStringLiteral("txtCell"));
        const QPersistentModelIndex source = SourceIndex(index);
        edit->setProperty(CellProperty, QVariant::fromValue(source));
        connect(edit, &QLineEdit::textChanged, edit, [this, edit] { markRefusal(edit); });
        return edit;
    }
    auto *box = new ListComboBox(parent);
    box->setObjectName(QStringLiteral("cmbCell"));
    box->setMaxVisibleItems(20);
    for (const auto &[name, stored] : choices)
        box->addItem(name, stored);
    // An entry may be typed too, by its number, label or name, which complete as typed.
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    auto *completer = new QCompleter(box->model(), box);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    box->setCompleter(completer);
    box->lineEdit()->setProperty(CellProperty, QVariant::fromValue(QPersistentModelIndex(SourceIndex(index))));
    connect(box->lineEdit(), &QLineEdit::textEdited, box, [this, box] { markRefusal(box); });
    return box;
}

void CellDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *box = qobject_cast<QComboBox *>(editor)) {
        box->setCurrentIndex(box->findData(index.data(Qt::EditRole).toInt()));
        box->lineEdit()->selectAll(); // what is typed takes its place
    } else
        QStyledItemDelegate::setEditorData(editor, index);
}

void CellDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *box = qobject_cast<QComboBox *>(editor)) {
        if (box->currentIndex() >= 0 && box->currentText() == box->itemText(box->currentIndex()))
            model->setData(index, QString::number(box->currentData().toInt()));
        else if (!box->currentText().isEmpty())
            model->setData(index, box->currentText()); // typed: an entry's number, label or name
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

bool CellDelegate::markRefusal(QWidget *editor) const
{
    const auto *box = qobject_cast<QComboBox *>(editor);
    auto *edit = box ? box->lineEdit() : qobject_cast<QLineEdit *>(editor);
    if (!edit)
        return false;
    const auto index = edit->property(CellProperty).value<QPersistentModelIndex>();
    // An entry picked from the list is taken as it is.
    const bool picked = box && box->currentIndex() >= 0 && box->currentText() == box->itemText(box->currentIndex());
    const auto refusal = picked ? std::nullopt : model_.refusalFor(index, edit->text());
    FrameAsRefused(*edit, refusal.has_value());
    editor->setToolTip(refusal ? tr("Accepts %1").arg(ToQString(refusal->accepted)) : QString());
    return refusal.has_value();
}

// As the style paints a cell of text alone, but with its text laid out
// once rather than at each painting: a screenful of cells is painted at
// each scroll. Text wider than its cell, or underlined, is left to the style.
void CellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const
{
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    const int margin = textMargin(widget);
    const QRect room = cell.rect.adjusted(margin, 0, -margin, 0);
    const PaintedText &text = laidOut_.laidOut(cell.text, cell.font);
    const auto features = cell.features & ~QStyleOptionViewItem::Alternate;
    // Glyphs put together leave out an underline.
    if (features != QStyleOptionViewItem::HasDisplay || text.size().width() > room.width() ||
        cell.font.underline()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // Under a plain cell's text the style paints nothing: the view paints the row.
    const auto marked = QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_MouseOver;
    if ((cell.state & marked) || cell.backgroundBrush.style() != Qt::NoBrush) {
        cell.text.clear();
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
    }

    painter->save();
    painter->setFont(cell.font);
    painter->setPen(TextColour(cell));
    text.draw(*painter, TextPosition(cell, room, text.size()));
    painter->restore();
}

// Return, Enter and Tab take the text only when the cell accepts it.
bool CellDelegate::eventFilter(QObject *object, QEvent *event)
{
    auto *editor = qobject_cast<QWidget *>(object);
    if (editor && IsCommitKey(event) && markRefusal(editor)) {
        QToolTip::showText(editor->mapToGlobal(QPoint(0, editor->height())), editor->toolTip(), editor);
        return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

} // namespace mobwright

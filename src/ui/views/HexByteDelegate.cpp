#include "HexByteDelegate.h"

#include "ByteGridModel.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPersistentModelIndex>
#include <QRegularExpression>

namespace mobwright {

void HexByteDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QWidget *view = option.widget;
    QStyle *style = view ? view->style() : QApplication::style();
    painter->save();
    // The hatching of a byte no field covers starts at each cell's corner, as the style's does.
    painter->setBrushOrigin(option.rect.topLeft());
    if (const QVariant fill = index.data(Qt::BackgroundRole); fill.isValid())
        painter->fillRect(option.rect, qvariant_cast<QBrush>(fill));
    const QVariant colour = index.data(Qt::ForegroundRole);
    painter->setPen(colour.isValid() ? qvariant_cast<QBrush>(colour).color() : option.palette.color(QPalette::Text));
    const QVariant font = index.data(Qt::FontRole);
    painter->setFont(font.isValid() ? qvariant_cast<QFont>(font).resolve(option.font) : option.font);
    const QVariant alignment = index.data(Qt::TextAlignmentRole);
    const auto align = alignment.isValid() ? Qt::Alignment(alignment.toInt()) : Qt::AlignLeft | Qt::AlignVCenter;
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const QRect room = option.rect.adjusted(margin, 0, -margin, 0);
    if (index.column() == ByteGridModel::TEXT_COLUMN) {
        painter->drawText(room, int(align), index.data().toString());
    } else {
        const QStaticText &digits = laidOut(index.data().toString(), painter->font());
        painter->drawStaticText(QStyle::alignedRect(option.direction, align, digits.size().toSize(), room).topLeft(),
                                digits);
    }
    painter->restore();
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
        focus.backgroundColor = option.palette.color(QPalette::Window);
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, view);
    }
}

const QStaticText &HexByteDelegate::laidOut(const QString &digits, const QFont &font) const
{
    const QString key = digits + QChar(u'0' + (font.bold() | font.italic() << 1 | font.underline() << 2));
    auto found = laidOut_.find(key);
    if (found == laidOut_.end()) {
        found = laidOut_.insert(key, QStaticText(digits));
        found->setTextFormat(Qt::PlainText);
        found->prepare(QTransform(), font);
    }
    return *found;
}

QWidget *HexByteDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                       const QModelIndex &index) const
{
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    auto *line = qobject_cast<QLineEdit *>(editor);
    if (!line)
        return editor;
    const QPersistentModelIndex byte(index);
    // The editor's signals are the delegate's own, which Qt declares non-const.
    auto *self = const_cast<HexByteDelegate *>(this);
    connect(line, &QLineEdit::textEdited, this, [self, line, byte](const QString &text) {
        static const QRegularExpression twoDigits(QStringLiteral("^[0-9A-Fa-f]{2}$"));
        if (!twoDigits.match(text).hasMatch())
            return;
        emit self->commitData(line);
        emit self->closeEditor(line, QAbstractItemDelegate::NoHint);
        emit self->byteTyped(byte, text);
    });
    return editor;
}

} // namespace mobwright

#include "HexByteDelegate.h"

#include <QLineEdit>
#include <QPersistentModelIndex>
#include <QRegularExpression>

namespace mobwright {

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

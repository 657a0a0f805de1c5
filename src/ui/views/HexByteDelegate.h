#pragma once

#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

namespace mobwright {

// Edits a byte of the hex grid as a hex editor does: two hex digits typed
// commit the byte at once and ask for the next, so that typing runs on
// across bytes. Anything else waits for Return, and the model judges it.
// It draws a cell as the model's roles have it, its fill, font and colour,
// without the style's item drawing, which lays each cell out anew: an
// enemy switch repaints every cell of the grid.
class HexByteDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;

signals:
    // Two digits were typed over the byte at index, and committed.
    void byteTyped(const QModelIndex &index, const QString &digits) const;

private:
    // A byte's digits laid out once for each font of the marks, bold, italic
    // or underlined: at most 256 texts a font, of which a switch draws 94.
    const QStaticText &laidOut(const QString &digits, const QFont &font) const;

    mutable QHash<QString, QStaticText> laidOut_;
};

} // namespace mobwright

#pragma once

#include <QFont>
#include <QHash>
#include <QList>

class QAbstractItemModel;
class QTableView;

namespace mobwright {

struct Column;

// Room for the columns of the enemy table, found without laying out any
// text, which would cost more than the table's painting: a number column is
// as wide as its most digits, another as its widest text, each character's
// advance measured once in the widest of the fonts that mark cells.
class ColumnWidths
{
public:
    explicit ColumnWidths(const QTableView &view);

    // Wide enough for the column's title with its sort arrow, and for the
    // texts of the model's section, read from rows spread over the table.
    int width(const Column &column, const QAbstractItemModel &model, int section) const;

private:
    int cellWidth(const QString &text) const;
    int titleWidth(const QString &title) const;
    // The text's advance in the widest of the fonts for each character.
    static int advance(const QString &text, const QList<QFont> &fonts, QHash<QChar, qreal> &advances);

    QList<QFont> cellFonts_;
    QList<QFont> titleFonts_;
    int cellMargins_;
    int titleMargins_;
    mutable QHash<QChar, qreal> cellAdvances_;
    mutable QHash<QChar, qreal> titleAdvances_;
};

} // namespace mobwright

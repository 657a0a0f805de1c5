#include "ColumnWidths.h"

#include "CellDelegate.h"
#include "TableColumns.h"

#include <QAbstractItemModel>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QStyle>
#include <QTableView>
#include <QtMath>

#include <algorithm>

namespace mobwright {

namespace {

// Enough rows to find a column's wide texts, few enough to cost little.
constexpr int SampledRows = 40;

// A cell's text is bold when edited, italic when it differs from the
// baseline; a title is bold while its column is selected.
QList<QFont> MarkedFonts(QFont font)
{
    font.setBold(true);
    QFont italic = font;
    italic.setItalic(true);
    return {font, italic};
}

int Overhang(const QList<QFont> &fonts)
{
    qreal most = 0;
    for (const QFont &font : fonts)
        most = std::max(most, -QFontMetricsF(font).minRightBearing());
    return qCeil(most);
}

} // namespace

ColumnWidths::ColumnWidths(const QTableView &view)
    : cellFonts_(MarkedFonts(view.font()))
    , titleFonts_(MarkedFonts(view.horizontalHeader()->font()))
{
    // As the style frames a cell's text, with the overhang of a slanted last
    // character, and a grid line beside it.
    cellMargins_ = 2 * CellDelegate::textMargin(&view) + Overhang(cellFonts_) + (view.showGrid() ? 1 : 0);
    // As the header frames its title, with a square for the sort arrow after it.
    const QHeaderView &header = *view.horizontalHeader();
    titleMargins_ = 3 * view.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header) +
                    header.sizeHint().height();
}

int ColumnWidths::width(const Column &column, const QAbstractItemModel &model, int section) const
{
    int widest = 0;
    if (column.mostDigits() > 0) {
        widest = cellWidth(QString(column.mostDigits(), u'0'));
    } else {
        const int rows = model.rowCount();
        for (int row = 0; row < rows; row += std::max(1, rows / SampledRows))
            widest = std::max(widest, cellWidth(model.index(row, section).data().toString()));
    }
    return std::max(widest + cellMargins_, titleWidth(ColumnTitle(column)));
}

int ColumnWidths::cellWidth(const QString &text) const
{
    return advance(text, cellFonts_, cellAdvances_);
}

int ColumnWidths::titleWidth(const QString &title) const
{
    return advance(title, titleFonts_, titleAdvances_) + titleMargins_;
}

// Text of scripts whose characters join, or with marks, is measured whole.
int ColumnWidths::advance(const QString &text, const QList<QFont> &fonts, QHash<QChar, qreal> &advances)
{
    const auto widest = [&fonts](const auto &measured) {
        qreal most = 0;
        for (const QFont &font : fonts)
            most = std::max(most, QFontMetricsF(font).horizontalAdvance(measured));
        return most;
    };
    const bool joins = std::any_of(text.begin(), text.end(), [](QChar c) {
        return c.isMark() || c.isSurrogate() ||
               (c.script() != QChar::Script_Common && c.script() != QChar::Script_Latin);
    });
    if (joins)
        return qCeil(widest(text));
    qreal sum = 0;
    for (const QChar c : text) {
        auto found = advances.constFind(c);
        if (found == advances.constEnd())
            found = advances.insert(c, widest(c));
        sum += *found;
    }
    return qCeil(sum);
}

} // namespace mobwright

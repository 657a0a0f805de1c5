#include "CellTexts.h"

#include <QPainter>
#include <QTextLayout>

namespace mobwright {
namespace {

// Many screenfuls of texts, held for painting.
constexpr qsizetype MostLaidOut = 20000;

QStaticText Shaped(const QString &text, const QFont &font)
{
    QStaticText shaped(text);
    shaped.setTextFormat(Qt::PlainText);
    shaped.prepare(QTransform(), font);
    return shaped;
}

// Laid out as a static text lays out a line of plain text.
QList<QGlyphRun> ShapedRuns(const QString &text, const QFont &font, QSizeF &size)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLeadingIncluded(true);
    layout.endLayout();
    size = layout.boundingRect().size();
    return layout.glyphRuns();
}

} // namespace

const QString DigitGlyphs::EVERY_PAIR = QStringLiteral(
    "0010203040506070809112131415161718192232425262728293343536373839"
    "4454647484955657585966768697787988990");

std::optional<DigitGlyphs> DigitGlyphs::from(const QGlyphRun &everyPair, qreal height)
{
    const QList<quint32> glyphs = everyPair.glyphIndexes();
    const QList<QPointF> positions = everyPair.positions();
    if (glyphs.size() != EVERY_PAIR.size() || positions.size() != EVERY_PAIR.size())
        return std::nullopt;
    DigitGlyphs digits{everyPair.rawFont(), {}, {}, positions.front().y(), height};
    std::array<bool, 10> seen{};
    qreal x = 0;
    for (qsizetype i = 0; i < positions.size(); ++i) {
        const int digit = EVERY_PAIR[i].digitValue();
        if (positions[i] != QPointF(x, digits.baseline) || (seen[digit] && glyphs[i] != digits.glyphs[digit]))
            return std::nullopt;
        const qreal advance = i + 1 < positions.size() ? positions[i + 1].x() - x : digits.advances[digit];
        if (seen[digit] && advance != digits.advances[digit])
            return std::nullopt;
        seen[digit] = true;
        digits.glyphs[digit] = glyphs[i];
        digits.advances[digit] = advance;
        x += advance;
    }
    return digits;
}

PaintedText::PaintedText(const QStaticText &shaped)
    : shaped_(shaped)
    , size_(shaped.size())
{
}

PaintedText::PaintedText(const QGlyphRun &glyphs, const QSizeF &size)
    : glyphs_(glyphs)
    , size_(size)
{
}

void PaintedText::draw(QPainter &painter, const QPointF &topLeft) const
{
    if (glyphs_.isEmpty())
        painter.drawStaticText(topLeft, shaped_);
    else
        painter.drawGlyphRun(topLeft, glyphs_);
}

const PaintedText &CellTexts::laidOut(const QString &text, const QFont &font)
{
    auto place = fonts_.find(font);
    if (place == fonts_.end())
        place = fonts_.insert(font, InFont{{}, digitsOf(font)});
    QHash<QString, PaintedText> &texts = place->texts;
    if (texts.size() >= MostLaidOut) // edits bring new texts without end
        texts.clear();
    auto found = texts.find(text);
    if (found == texts.end()) {
        std::optional<PaintedText> laid = place->digits ? fromDigits(text, *place->digits) : std::nullopt;
        found = texts.insert(text, laid ? *laid : PaintedText(Shaped(text, font)));
    }
    return *found;
}

std::optional<DigitGlyphs> CellTexts::digitsOf(const QFont &font)
{
    QSizeF size;
    const QList<QGlyphRun> runs = ShapedRuns(DigitGlyphs::EVERY_PAIR, font, size);
    return runs.size() == 1 ? DigitGlyphs::from(runs.front(), size.height()) : std::nullopt;
}

std::optional<PaintedText> CellTexts::fromDigits(const QString &text, const DigitGlyphs &digits)
{
    if (text.isEmpty())
        return std::nullopt;
    QList<quint32> glyphs;
    QList<QPointF> positions;
    glyphs.reserve(text.size());
    positions.reserve(text.size());
    qreal x = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        const int digit = c.unicode() - u'0';
        glyphs.append(digits.glyphs[digit]);
        positions.append({x, digits.baseline});
        x += digits.advances[digit];
    }
    QGlyphRun run;
    run.setRawFont(digits.face);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    return PaintedText(run, {x, digits.height});
}

} // namespace mobwright

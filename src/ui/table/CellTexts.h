#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QRawFont>
#include <QStaticText>

#include <array>
#include <optional>

class QPainter;

namespace mobwright {

// A cell's text laid out once, for every painting after.
class PaintedText
{
public:
    explicit PaintedText(const QStaticText &shaped);
    PaintedText(const QGlyphRun &glyphs, const QSizeF &size);

    QSizeF size() const { return size_; }
    void draw(QPainter &painter, const QPointF &topLeft) const;

private:
    QStaticText shaped_;
    QGlyphRun glyphs_; // when not shaped
    QSizeF size_;
};

// A font's ten digits, where it sets them side by side, each as its own
// glyph with its own advance.
struct DigitGlyphs
{
    // Every pair of digits once: a font that sets this string digit by digit,
    // with no pair kerned or joined, sets every number so.
    static const QString EVERY_PAIR;
    // The digits in EVERY_PAIR as the font laid it out, if it set them so.
    static std::optional<DigitGlyphs> from(const QGlyphRun &everyPair, qreal height);

    QRawFont face;
    std::array<quint32, 10> glyphs{};
    std::array<qreal, 10> advances{};
    qreal baseline = 0;
    qreal height = 0;
};

// The texts of table cells, laid out once in each font. Most cells hold
// numbers: where a font sets digits side by side, each as its own glyph
// with its own advance, a number is put together from its digits, many
// times faster than shaping it and to the same pixels. Other texts are
// shaped whole.
class CellTexts
{
public:
    const PaintedText &laidOut(const QString &text, const QFont &font);

private:
    struct InFont
    {
        QHash<QString, PaintedText> texts;
        std::optional<DigitGlyphs> digits;
    };

    static std::optional<DigitGlyphs> digitsOf(const QFont &font);
    static std::optional<PaintedText> fromDigits(const QString &text, const DigitGlyphs &digits);

    QHash<QFont, InFont> fonts_;
};

} // namespace mobwright

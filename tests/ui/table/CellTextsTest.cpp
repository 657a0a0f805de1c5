#include "CellTexts.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <functional>

namespace mobwright {
namespace {

QGlyphRun EveryPairIn(const QFont &font)
{
    QTextLayout layout(DigitGlyphs::EVERY_PAIR, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    return layout.glyphRuns().value(0);
}

// A font that kerns, joins or moves any digit is not trusted to set numbers
// digit by digit.
TEST(CellTextsTest, DigitsAreTakenOnlyFromAFontThatSetsThemSideBySide)
{
    const QGlyphRun plain = EveryPairIn(QApplication::font());
    const auto digits = DigitGlyphs::from(plain, 20);
    ASSERT_TRUE(digits);
    EXPECT_GT(digits->advances[1], 0);
    EXPECT_NE(digits->glyphs[1], digits->glyphs[2]);

    using Change = std::function<void(QList<quint32> &, QList<QPointF> &)>;
    const std::pair<const char *, Change> faults[] = {
        {"a pair kerned", [](auto &, auto &at) { for (qsizetype i = 40; i < at.size(); ++i) at[i].rx() -= 1; }},
        {"the last digit moved", [](auto &, auto &at) { at.back().rx() += 0.5; }},
        {"a digit raised", [](auto &, auto &at) { at[7].ry() -= 1; }},
        {"a digit as another glyph", [](auto &glyphs, auto &) { glyphs[30] += 1; }},
        {"the last digit as another glyph", [](auto &glyphs, auto &) { glyphs.back() += 1; }},
        {"set from the second pixel", [](auto &, auto &at) { for (QPointF &p : at) p.rx() += 1; }},
        {"two digits joined", [](auto &glyphs, auto &at) { glyphs.removeLast(); at.removeLast(); }},
        {"a digit with no place", [](auto &, auto &at) { at.removeLast(); }},
    };
    for (const auto &[fault, change] : faults) {
        QList<quint32> glyphs = plain.glyphIndexes();
        QList<QPointF> positions = plain.positions();
        change(glyphs, positions);
        QGlyphRun run = plain;
        run.setGlyphIndexes(glyphs);
        run.setPositions(positions);
        EXPECT_FALSE(DigitGlyphs::from(run, 20)) << fault;
    }
}

QImage Painted(const std::function<void(QPainter &)> &paint, qreal scale)
{
    QImage image(QSize(160, 40) * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter);
    return image;
}

// Numbers put together from their digits paint as the shaped text paints,
// at whole and half pixels, on screens of one and two pixels to the point,
// in every font a cell is marked with.
TEST(CellTextsTest, NumbersPaintAsTheirShapedTextPaints)
{
    CellTexts texts;
    for (const bool bold : {false, true}) {
        for (const bool italic : {false, true}) {
            QFont font = QApplication::font();
            font.setBold(bold);
            font.setItalic(italic);
            for (const char *digits : {"0", "4294967295", "1000", "65535", "", "12a", "-7", "<b>Gym</b>"}) {
                const QString number = QString::fromLatin1(digits);
                const PaintedText &ours = texts.laidOut(number, font);
                QStaticText theirs(number);
                theirs.setTextFormat(Qt::PlainText);
                theirs.prepare(QTransform(), font);
                EXPECT_EQ(ours.size(), theirs.size()) << number.toStdString();
                for (const QPointF at : {QPointF(3, 5), QPointF(10.5, 2)}) {
                    const auto paintOurs = [&](QPainter &p) { p.setFont(font); ours.draw(p, at); };
                    const auto paintTheirs = [&](QPainter &p) { p.setFont(font); p.drawStaticText(at, theirs); };
                    for (const qreal scale : {1.0, 2.0}) {
                        EXPECT_TRUE(Painted(paintOurs, scale) == Painted(paintTheirs, scale))
                            << number.toStdString() << " bold " << bold << " italic " << italic << " at "
                            << at.x() << " scale " << scale;
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace mobwright

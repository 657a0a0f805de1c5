#include "MarkColours.h"

#include <QStyle>
#include <QStyleFactory>

#include <gtest/gtest.h>

#include <memory>

using namespace mobwright;

namespace {

// A dark palette as desktops give one, its link colour too dim to read on its base.
QPalette DarkPalette()
{
    QPalette dark;
    for (const auto &[role, colour] : {std::pair{QPalette::Window, QColor(0x35, 0x35, 0x35)},
                                      {QPalette::WindowText, QColor(0xee, 0xee, 0xee)},
                                      {QPalette::Base, QColor(0x2a, 0x2a, 0x2a)},
                                      {QPalette::AlternateBase, QColor(0x42, 0x42, 0x42)},
                                      {QPalette::Text, QColor(0xee, 0xee, 0xee)},
                                      {QPalette::Link, QColor(0x1a, 0x5f, 0xb4)}})
        dark.setColor(role, colour);
    return dark;
}

} // namespace

TEST(MarkColours, TextOnEveryMarkReadsAtFourAndAHalfToOneInLightAndDarkPalettes)
{
    EXPECT_DOUBLE_EQ(ContrastRatio(Qt::black, Qt::white), 21);
    EXPECT_NEAR(ContrastRatio(QColor(0x76, 0x76, 0x76), Qt::white), 4.54, 0.01); // WCAG's own example
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    for (const QPalette &palette : {fusion->standardPalette(), DarkPalette()}) {
        const QColor base = palette.color(QPalette::Base);
        for (const Mark mark : {Mark::Edited, Mark::Refused, Mark::Conflict}) {
            EXPECT_GE(ContrastRatio(MarkText(mark, palette), MarkFill(mark, palette)), 4.5)
                << int(mark) << " on " << base.name().toStdString();
            EXPECT_GT(ContrastRatio(MarkFill(mark, palette), base), 1.1) << "a fill apart from the base";
        }
        EXPECT_NE(MarkFill(Mark::Edited, palette), MarkFill(Mark::Conflict, palette));
        for (const auto role : {QPalette::Base, QPalette::AlternateBase, QPalette::Window})
            EXPECT_GE(ContrastRatio(MarkText(Mark::Baseline, palette), palette.color(role)), 4.5) << role;
    }
}

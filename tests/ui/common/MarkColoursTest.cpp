#include "MarkColours.h"

#include <QStyle>
#include <QStyleFactory>

#include <gtest/gtest.h>

#include <memory>

using namespace mobwright;

// In a light palette and a dark one whose link colour is too dim to read on its base.
TEST(MarkColours, TextOnEveryMarkReadsAtFourAndAHalfToOneInLightAndDarkPalettes)
{
    EXPECT_NEAR(ContrastRatio(QColor(0x76, 0x76, 0x76), Qt::white), 4.54, 0.01); // WCAG's own example
    QPalette dark(QColor(0xee, 0xee, 0xee), QColor(0x35, 0x35, 0x35), Qt::gray, Qt::black, Qt::darkGray,
                  QColor(0xee, 0xee, 0xee), Qt::white, QColor(0x2a, 0x2a, 0x2a), QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::AlternateBase, QColor(0x42, 0x42, 0x42));
    dark.setColor(QPalette::Link, QColor(0x1a, 0x5f, 0xb4));
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    for (const QPalette &palette : {fusion->standardPalette(), dark}) {
        for (const Mark mark : {Mark::Edited, Mark::Refused, Mark::Conflict}) {
            EXPECT_GE(ContrastRatio(MarkText(mark, palette), MarkFill(mark, palette)), 4.5) << int(mark);
            EXPECT_GT(ContrastRatio(MarkFill(mark, palette), palette.color(QPalette::Base)), 1.1) << int(mark);
        }
        for (const auto role : {QPalette::Base, QPalette::AlternateBase, QPalette::Window})
            EXPECT_GE(ContrastRatio(MarkText(Mark::Baseline, palette), palette.color(role)), 4.5) << role;
    }
}

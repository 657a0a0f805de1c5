#include "MarkColours.h"

#include <algorithm>
#include <cmath>

namespace mobwright {
namespace {

constexpr double READABLE = 4.5;

double Luminance(const QColor &colour)
{
    const auto linear = [](float channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

QColor Mixed(const QColor &from, const QColor &to, double share)
{
    const auto mix = [share](float a, float b) { return float(a + (b - a) * share); };
    return QColor::fromRgbF(mix(from.redF(), to.redF()), mix(from.greenF(), to.greenF()),
                            mix(from.blueF(), to.blueF()));
}

QColor Hue(Mark mark)
{
    switch (mark) {
    case Mark::Edited: return {255, 200, 0};
    case Mark::Refused: return {235, 40, 40};
    case Mark::Conflict: return {255, 120, 0};
    case Mark::Baseline: break;
    }
    return {};
}

// The least contrast of colour with any of the backgrounds its mark is shown on.
double LeastContrast(const QColor &colour, std::initializer_list<QColor> backgrounds)
{
    double least = 21;
    for (const QColor &background : backgrounds)
        least = std::min(least, ContrastRatio(colour, background));
    return least;
}

QColor BaselineText(const QPalette &palette)
{
    const auto backgrounds = {palette.color(QPalette::Base), palette.color(QPalette::AlternateBase),
                              palette.color(QPalette::Window)};
    const QColor link = palette.color(QPalette::Link);
    for (int step = 0; step <= 10; ++step) {
        const QColor tried = Mixed(link, palette.color(QPalette::Text), step / 10.0);
        if (LeastContrast(tried, backgrounds) >= READABLE)
            return tried;
    }
    return LeastContrast(Qt::black, backgrounds) > LeastContrast(Qt::white, backgrounds) ? Qt::black : Qt::white;
}

} // namespace

double ContrastRatio(const QColor &one, const QColor &other)
{
    // The list form returns values: the pair form would refer to temporaries.
    const auto [dark, light] = std::minmax({Luminance(one), Luminance(other)});
    return (light + 0.05) / (dark + 0.05);
}

QColor MarkFill(Mark mark, const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Base);
    if (mark == Mark::Baseline)
        return base;
    return Mixed(base, Hue(mark), 0.35);
}

QColor MarkText(Mark mark, const QPalette &palette)
{
    if (mark == Mark::Baseline)
        return BaselineText(palette);
    const QColor fill = MarkFill(mark, palette);
    const QColor text = palette.color(QPalette::Text);
    if (ContrastRatio(text, fill) >= READABLE)
        return text;
    return ContrastRatio(Qt::black, fill) > ContrastRatio(Qt::white, fill) ? QColor(Qt::black) : QColor(Qt::white);
}

} // namespace mobwright

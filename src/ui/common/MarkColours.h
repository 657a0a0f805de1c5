#pragma once

#include <QColor>
#include <QPalette>

namespace mobwright {

// The marks that cells and labels carry: an edit not yet written, an edit
// its field refuses, an edit that another program's change conflicts with,
// and a value that differs from the baseline.
enum class Mark { Edited, Refused, Conflict, Baseline };

// The fill under a mark: the palette's base tinted toward the mark's own
// hue, so that it suits light and dark palettes alike; the base itself for
// a difference from the baseline, which its text marks.
QColor MarkFill(Mark mark, const QPalette &palette = QPalette());
// Text on that fill, readable at a contrast of at least 4.5:1: the
// palette's text where it is, else black or white; for a difference from
// the baseline, the link colour moved toward the text until it reads so on
// the base, the alternate base and the window alike.
QColor MarkText(Mark mark, const QPalette &palette = QPalette());

// The contrast of two colours as WCAG 2 measures it, from 1 to 21.
double ContrastRatio(const QColor &one, const QColor &other);

} // namespace mobwright

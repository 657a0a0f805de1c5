#pragma once

#include "MainWindow.h"

namespace mobwright::bench {

// The chart and the record's bytes, on image; the window has an image open.
void MeasureViews(int repetitions, const QString &image, MainWindow &window);

} // namespace mobwright::bench

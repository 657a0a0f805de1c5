#pragma once

#include "MainWindow.h"

namespace mobwright::bench {

// Choosing a baseline and writing each patch, in the window that has image
// open; the baselines are made from it in folder.
void MeasureCompare(int repetitions, const QString &image, const QString &folder,
                    MainWindow &window);

} // namespace mobwright::bench

#pragma once

#include "MainWindow.h"

namespace mobwright::bench {

// Export, import and the table view, on image; the window has an image open.
void MeasureTable(int repetitions, const QString &image, MainWindow &window);

} // namespace mobwright::bench

#pragma once

#include "WindowParts.h"

class QWidget;

namespace mobwright {

class TableActions;

// The one function the chart module exports by a name the program looks up.
using OpenChartFunction = QWidget *(*)(const WindowParts &, TableActions &, QWidget *);
inline constexpr char OPEN_CHART_SYMBOL[] = "mobwright_open_chart_view";

} // namespace mobwright

#pragma once

#include "WindowParts.h"

#include <QString>

class QWidget;

namespace mobwright {

class TableActions;

// "View › Chart" as it comes from the chart module, loaded on first use.
struct OpenedChart
{
    QWidget *view = nullptr; // null where the module could not be loaded
    QString failure;
};

OpenedChart OpenChartView(const WindowParts &parts, TableActions &table, QWidget *parent);

} // namespace mobwright

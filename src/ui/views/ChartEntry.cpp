#include "ChartEntry.h"

#include "ChartView.h"

extern "C" Q_DECL_EXPORT QWidget *mobwright_open_chart_view(const mobwright::WindowParts &parts,
                                                            mobwright::TableActions &table,
                                                            QWidget *parent)
{
    return new mobwright::ChartView(parts, table, parent);
}

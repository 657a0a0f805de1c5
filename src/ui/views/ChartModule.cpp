#include "ChartModule.h"

#include "ChartEntry.h"
#include "ModuleLoader.h"

#include <QCoreApplication>

#include <dlfcn.h>

namespace mobwright {

OpenedChart OpenChartView(const WindowParts &parts, TableActions &table, QWidget *parent)
{
    static const LoadedModule module = LoadModule(ProgramSearchPath(), MOBWRIGHT_CHART_MODULE);
    const auto open =
        module.handle ? reinterpret_cast<OpenChartFunction>(dlsym(module.handle, OPEN_CHART_SYMBOL))
                      : nullptr;
    if (!open) {
        return {nullptr, QCoreApplication::translate("ChartModule", "The chart cannot be shown: %1")
                             .arg(module.handle ? QStringLiteral("%1 lacks %2")
                                                      .arg(QLatin1String(MOBWRIGHT_CHART_MODULE),
                                                           QLatin1String(OPEN_CHART_SYMBOL))
                                                : module.failure)};
    }
    return {open(parts, table, parent), {}};
}

} // namespace mobwright

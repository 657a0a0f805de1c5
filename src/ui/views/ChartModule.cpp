#include "ChartModule.h"

#include "ChartEntry.h"

#include <QCoreApplication>

#include <dlfcn.h>

namespace mobwright {

// dlopen is called from here, in the program, so that the module is looked
// for along the program's own run path: the build tree, or where it is installed.
OpenedChart OpenChartView(const WindowParts &parts, TableActions &table, QWidget *parent)
{
    static void *const module = dlopen(MOBWRIGHT_CHART_MODULE, RTLD_NOW | RTLD_LOCAL);
    static const QString failure = module ? QString() : QString::fromLocal8Bit(dlerror());
    const auto open =
        module ? reinterpret_cast<OpenChartFunction>(dlsym(module, OPEN_CHART_SYMBOL)) : nullptr;
    if (!open) {
        return {nullptr, QCoreApplication::translate("ChartModule", "The chart cannot be shown: %1")
                             .arg(module ? QStringLiteral("%1 lacks %2")
                                               .arg(QStringLiteral(MOBWRIGHT_CHART_MODULE),
                                                    QLatin1String(OPEN_CHART_SYMBOL))
                                         : failure)};
    }
    return {open(parts, table, parent), {}};
}

} // namespace mobwright

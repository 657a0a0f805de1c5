#include "ChartModule.h"

#include "ChartEntry.h"

#include <QCoreApplication>

#include <dlfcn.h>

#include <new>
#include <string>
#include <vector>

namespace mobwright {
namespace {

// The folders the program's own run path names, $ORIGIN made its folder: the
// build tree, or where the module is installed beside the program. Asked of
// the program itself, since a plain dlopen searches the run path of its
// caller, which a sanitizer's interceptor makes another.
std::vector<std::string> ProgramSearchPath()
{
    void *program = dlopen(nullptr, RTLD_LAZY);
    Dl_serinfo size{};
    if (!program || dlinfo(program, RTLD_DI_SERINFOSIZE, &size) != 0)
        return {};
    std::vector<char> buffer(size.dls_size);
    auto *info = new (buffer.data()) Dl_serinfo(size);
    if (dlinfo(program, RTLD_DI_SERINFO, info) != 0)
        return {};
    std::vector<std::string> folders;
    for (unsigned k = 0; k < info->dls_cnt; ++k)
        folders.emplace_back(info->dls_serpath[k].dls_name);
    return folders;
}

struct LoadedModule
{
    void *handle = nullptr;
    QString failure;
};

LoadedModule LoadChartModule()
{
    QString failure = QStringLiteral("%1 is not installed beside the program")
                          .arg(QLatin1String(MOBWRIGHT_CHART_MODULE));
    for (const std::string &folder : ProgramSearchPath()) {
        if (void *handle =
                dlopen((folder + "/" MOBWRIGHT_CHART_MODULE).c_str(), RTLD_NOW | RTLD_LOCAL))
            return {handle, {}};
        // A module found but unusable says more than one missing elsewhere.
        const QString error = QString::fromLocal8Bit(dlerror());
        if (!error.contains(QLatin1String("No such file")))
            failure = error;
    }
    return {nullptr, failure};
}

} // namespace

OpenedChart OpenChartView(const WindowParts &parts, TableActions &table, QWidget *parent)
{
    static const LoadedModule module = LoadChartModule();
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

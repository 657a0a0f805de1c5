#include "ModuleLoader.h"

#include <dlfcn.h>
#include <unistd.h>

#include <new>

namespace mobwright {

LoadedModule LoadModule(const std::vector<std::string> &folders, const std::string &fileName)
{
    QString failure = QStringLiteral("%1 is not installed beside the program")
                          .arg(QString::fromStdString(fileName));
    for (const std::string &folder : folders) {
        const std::string path = folder + "/" + fileName;
        // Asked of the file, not read from the loader's message, which the
        // user's language words.
        if (access(path.c_str(), F_OK) != 0)
            continue;
        if (void *handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL))
            return {handle, {}};
        failure = QString::fromLocal8Bit(dlerror());
    }
    return {nullptr, failure};
}

// Asked of the program itself, since a plain dlopen searches the run path of
// its caller, which a sanitizer's interceptor makes another.
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

} // namespace mobwright

#pragma once

#include <QString>

#include <string>
#include <vector>

namespace mobwright {

struct LoadedModule
{
    void *handle = nullptr;
    QString failure; // why no module could be loaded
};

// Opens the module from the first of folders that holds a usable one. A
// module found but unusable is told by the loader's own words, which say
// more than that it is missing elsewhere.
LoadedModule LoadModule(const std::vector<std::string> &folders, const std::string &fileName);

// The folders the program's own run path names, $ORIGIN made its folder: the
// build tree, or where modules are installed beside the program.
std::vector<std::string> ProgramSearchPath();

} // namespace mobwright

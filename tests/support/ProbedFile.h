#pragma once

#include "FileHandle.h"
#include "RomFile.h"

#include <cstdint>
#include <map>
#include <memory>

namespace mobwright::test {

// What the files opened through ProbedOpener record and how they fail.
struct FileProbe
{
    std::map<std::uint64_t, int> readsAt; // read calls within one record, by their first offset
    int writeCalls = 0;
    int failWritesAfter = -1; // the write call after this many fails; -1 never
    int partialWriteBytes = 0; // what the failing write writes before it fails
    bool failReads = false;
    bool failReadsAfterWrite = false;
    bool failSync = false;
};

// Opens files as the editor does, but through a handle that reports to probe.
RomFile::Opener ProbedOpener(std::shared_ptr<FileProbe> probe);

} // namespace mobwright::test

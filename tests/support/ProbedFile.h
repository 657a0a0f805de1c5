#pragma once

#include "RomError.h"
#include "RomFile.h"
#include "TableGeometry.h"

#include <map>
#include <memory>

namespace mobwright::test {

// What the files opened through ProbedOpener record, and how they fail.
struct FileProbe
{
    std::map<std::uint64_t, int> readsAt; // read calls within one record, by their first offset
    int writeCalls = 0;
    int failWritesAfter = -1;  // the write call after this many fails; -1 never
    int partialWriteBytes = 0; // what the failing write writes before it fails
    bool failReads = false;
    bool failReadsAfterWrite = false;
    bool failSync = false;
};

// Opens files as the editor does, through a handle that reports to probe.
inline RomFile::Opener ProbedOpener(std::shared_ptr<FileProbe> probe)
{
    struct ProbedFile final : FileHandle
    {
        std::unique_ptr<FileHandle> file;
        std::shared_ptr<FileProbe> probe;

        std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> buffer) override
        {
            probe->readsAt[offset] += buffer.size() <= ENEMY_RECORD_SIZE ? 1 : 0;
            if (probe->failReads || (probe->failReadsAfterWrite && probe->writeCalls > 0))
                throw RomError("Cannot read: injected failure.");
            return file->readAt(offset, buffer);
        }
        void writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override
        {
            if (probe->failWritesAfter >= 0 && probe->writeCalls >= probe->failWritesAfter) {
                const auto partial = static_cast<std::size_t>(probe->partialWriteBytes);
                file->writeAt(offset, bytes.first(partial));
                throw RomWriteError("Cannot write: injected failure.", partial);
            }
            ++probe->writeCalls;
            file->writeAt(offset, bytes);
        }
        std::uint64_t size() override { return file->size(); }
        FileIdentity identity() override { return file->identity(); }
        bool isLinked() override { return file->isLinked(); }
        void sync() override
        {
            if (probe->failSync)
                throw RomError("Cannot save to disk: injected failure.");
            file->sync();
        }
    };
    return [probe](const std::string &path) -> std::unique_ptr<FileHandle> {
        auto file = std::make_unique<ProbedFile>();
        file->file = OpenLockedFile(path);
        file->probe = probe;
        return file;
    };
}

} // namespace mobwright::test

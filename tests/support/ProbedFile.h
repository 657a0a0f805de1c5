#pragma once

#include "RomError.h"
#include "RomFile.h"

#include <map>
#include <memory>

namespace mobwright::test {

// What the files opened through ProbedOpener record, and how they fail.
struct FileProbe
{
    std::map<std::uint64_t, int> readsAt; // read calls by their first offset
    bool failReads = false;
    bool failWrites = false;
    bool failSync = false;
};

// Opens files as the editor does, but through a handle that reports to probe.
inline RomFile::Opener ProbedOpener(std::shared_ptr<FileProbe> probe)
{
    struct ProbedFile final : FileHandle
    {
        std::unique_ptr<FileHandle> file;
        std::shared_ptr<FileProbe> probe;

        ProbedFile(std::unique_ptr<FileHandle> f, std::shared_ptr<FileProbe> p)
            : file(std::move(f))
            , probe(std::move(p))
        {
        }
        std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> buffer) override
        {
            ++probe->readsAt[offset];
            if (probe->failReads)
                throw RomError("Cannot read: injected failure.");
            return file->readAt(offset, buffer);
        }
        void writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override
        {
            if (probe->failWrites)
                throw RomError("Cannot write: injected failure.");
            file->writeAt(offset, bytes);
        }
        std::uint64_t size() override { return file->size(); }
        void sync() override
        {
            if (probe->failSync)
                throw RomError("Cannot save to disk: injected failure.");
            file->sync();
        }
    };
    return [probe](const std::string &path) -> std::unique_ptr<FileHandle> {
        return std::make_unique<ProbedFile>(OpenLockedFile(path), probe);
    };
}

} // namespace mobwright::test

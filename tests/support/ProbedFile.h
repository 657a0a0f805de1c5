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

// Opens files as the editor does, through a handle that reports to probe.
inline RomFile::Opener ProbedOpener(std::shared_ptr<FileProbe> probe)
{
    struct ProbedFile final : FileHandle
    {
        std::unique_ptr<FileHandle> file;
        std::shared_ptr<FileProbe> probe;

        void check(bool fails) const
        {
            if (fails)
                throw RomError("Injected failure.");
        }
        std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> buffer) override
        {
            ++probe->readsAt[offset];
            check(probe->failReads);
            return file->readAt(offset, buffer);
        }
        void writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override
        {
            check(probe->failWrites);
            file->writeAt(offset, bytes);
        }
        std::uint64_t size() override { return file->size(); }
        void sync() override
        {
            check(probe->failSync);
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

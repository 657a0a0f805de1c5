#include "ProbedFile.h"

#include "RomError.h"
#include "TableGeometry.h"

namespace mobwright::test {
namespace {

class ProbedFile final : public FileHandle
{
public:
    ProbedFile(std::unique_ptr<FileHandle> file, std::shared_ptr<FileProbe> probe)
        : file_(std::move(file))
        , probe_(std::move(probe))
    {
    }

    std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> buffer) override
    {
        if (buffer.size() <= ENEMY_RECORD_SIZE)
            ++probe_->readsAt[offset];
        if (probe_->failReads || (probe_->failReadsAfterWrite && probe_->writeCalls > 0))
            throw RomError("Cannot read: injected failure.");
        return file_->readAt(offset, buffer);
    }

    void writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override
    {
        if (probe_->failWritesAfter >= 0 && probe_->writeCalls >= probe_->failWritesAfter) {
            const auto partial = static_cast<std::size_t>(probe_->partialWriteBytes);
            file_->writeAt(offset, bytes.first(partial));
            throw RomWriteError("Cannot write: injected failure.", partial);
        }
        ++probe_->writeCalls;
        file_->writeAt(offset, bytes);
    }

    std::uint64_t size() override { return file_->size(); }
    FileIdentity identity() override { return file_->identity(); }
    bool isLinked() override { return file_->isLinked(); }

    void sync() override
    {
        if (probe_->failSync)
            throw RomError("Cannot save to disk: injected failure.");
        file_->sync();
    }

private:
    std::unique_ptr<FileHandle> file_;
    std::shared_ptr<FileProbe> probe_;
};

} // namespace

RomFile::Opener ProbedOpener(std::shared_ptr<FileProbe> probe)
{
    return [probe](const std::string &path) -> std::unique_ptr<FileHandle> {
        return std::make_unique<ProbedFile>(OpenLockedFile(path), probe);
    };
}

} // namespace mobwright::test

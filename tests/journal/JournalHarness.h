#pragma once

#include "Journal.h"
#include "JournalFolder.h"
#include "JournaledWrite.h"
#include "RecordStore.h"
#include "RomFile.h"
#include "TestImage.h"

#include <functional>
#include <memory>
#include <random>

namespace mobwright::test {

// Where a journaled write is stopped, as a killed editor or a power loss stops it.
enum class Step { EntryAppended, EntrySynced, ImageWritten, ImageSynced, EntryMarked, None };
struct Crash
{
};

// What a disk keeps of the journal and the image: what was synced survives
// a power loss.
struct Disk
{
    QByteArray bytes; // the journal's
    bool exists = false;
    qint64 synced = 0;
    std::uint64_t imageAt = 0;
    std::vector<std::uint8_t> imageOld; // what the image's unsynced write replaced
    Step crashAt = Step::None;
    std::function<void()> beforeImageWrite; // watches the journal as the image is written

    void reach(Step step) const
    {
        if (step == crashAt)
            throw Crash{};
    }
    // Where torn, the journal keeps what was not synced but its last 16
    // bytes, which a disk may leave zero, and the image the first third of
    // its write.
    void losePower(TestImage &image, bool torn)
    {
        const qint64 kept = torn ? std::max(synced, bytes.size() - 16) : synced;
        bytes = bytes.left(kept) + QByteArray(torn ? bytes.size() - kept : 0, '\0');
        const std::size_t imageKept = torn ? imageOld.size() / 3 : 0;
        image.setBytes(imageAt + imageKept, std::span(imageOld).subspan(imageKept));
    }
};

// A journal on a Disk: an entry is appended and synced, a mark appended.
class DiskJournal final : public JournalStorage
{
public:
    explicit DiskJournal(std::shared_ptr<Disk> disk)
        : disk_(std::move(disk))
    {
    }
    std::optional<QByteArray> read() override
    {
        return disk_->exists ? std::optional(disk_->bytes) : std::nullopt;
    }
    void append(qint64 at, const QByteArray &bytes, bool sync) override
    {
        disk_->bytes.truncate(at);
        disk_->bytes += bytes;
        disk_->exists = true;
        disk_->reach(sync ? Step::EntryAppended : Step::EntryMarked);
        if (sync)
            disk_->synced = disk_->bytes.size();
        disk_->reach(Step::EntrySynced);
    }
    void replace(const QByteArray &bytes) override { append(0, bytes, true); }

private:
    std::shared_ptr<Disk> disk_;
};

// Opens images whose writes stop as the disk says.
inline RomFile::Opener CrashingOpener(std::shared_ptr<Disk> disk)
{
    struct File final : FileHandle
    {
        std::unique_ptr<FileHandle> file;
        std::shared_ptr<Disk> disk;

        std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> buffer) override
        {
            return file->readAt(offset, buffer);
        }
        void writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override
        {
            disk->imageAt = offset;
            disk->imageOld.resize(bytes.size());
            file->readAt(offset, disk->imageOld);
            if (disk->beforeImageWrite)
                disk->beforeImageWrite();
            file->writeAt(offset, bytes);
            disk->reach(Step::ImageWritten);
        }
        std::uint64_t size() override { return file->size(); }
        FileIdentity identity() override { return file->identity(); }
        bool isLinked() override { return file->isLinked(); }
        void sync() override
        {
            disk->imageOld.clear();
            disk->reach(Step::ImageSynced);
        }
    };
    return [disk](const std::string &path) {
        auto file = std::make_unique<File>();
        file->file = OpenLockedFile(path);
        file->disk = disk;
        return file;
    };
}

inline RomFile CrashingImage(const TestImage &image, std::shared_ptr<Disk> disk)
{
    return RomFile::open(image.path(), CrashingOpener(std::move(disk)));
}

// Records of enemies with new bytes throughout, as the image holds them now.
inline std::vector<RecordWrite> Rewrites(RomFile &rom, const std::vector<int> &enemies,
                                         unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<RecordWrite> writes;
    for (const int enemy : enemies) {
        const EnemyRecord now = ReadRecords(rom, enemy, enemy).front();
        std::array<std::uint8_t, ENEMY_RECORD_SIZE> bytes;
        for (std::size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = std::uint8_t(now.allBytes()[i] + 1 + random() % 255);
        writes.push_back({enemy, now, EnemyRecord::fromBytes(bytes)});
    }
    return writes;
}

// Stops a journaled write of new records for enemies into image once the
// image is written, as a killed editor stops it: the journal in the user's
// folder holds it unfinished. Gives the writes.
inline std::vector<RecordWrite> StopAWrite(const TestImage &image, const std::vector<int> &enemies)
{
    auto disk = std::make_shared<Disk>();
    disk->crashAt = Step::ImageWritten;
    RomFile rom = CrashingImage(image, disk);
    const auto journal = JournalFolder().journalFor(rom).journal;
    const auto writes = Rewrites(rom, enemies, 3);
    try {
        JournaledWrite(journal.get(), rom, {writes, {}}, "Import");
    } catch (const Crash &) {
    }
    return writes;
}

} // namespace mobwright::test

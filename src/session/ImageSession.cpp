#include "ImageSession.h"

#include "ChecksumWrite.h"
#include "EnemyLabels.h"
#include "HistorySteps.h"
#include "QtText.h"
#include "RecordMerge.h"
#include "RomError.h"

#include <QFile>

#include <algorithm>

namespace mobwright {
namespace {

std::size_t At(int index)
{
    return static_cast<std::size_t>(index);
}

// A key that is the same for edits of one field of one enemy.
int FieldKey(int index, Field field)
{
    return index * FIELD_COUNT + static_cast<int>(field);
}

std::optional<ImageSession::RefusedEdit> FirstRefusal(const std::map<int, PendingRecord> &records)
{
    for (const auto &[index, pending] : records) {
        if (auto refusal = pending.refusal())
            return ImageSession::RefusedEdit{index, *std::move(refusal)};
    }
    return std::nullopt;
}

} // namespace

ImageSession::ImageSession(QObject *parent)
    : QObject(parent)
{
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &ImageSession::readTableAgain);
    connect(&history_, &QUndoStack::indexChanged, this, &ImageSession::historyChanged);
}

// The history clears itself as it goes, when no view may be told any more.
ImageSession::~ImageSession()
{
    disconnect(&history_, nullptr, this, nullptr);
}

QString ImageSession::path() const
{
    return QFile::decodeName(rom_.path().c_str());
}

void ImageSession::open(const std::string &fileName)
{
    take(rom_.holds(fileName) ? rom_.reopened(fileName) : RomFile::open(fileName, opener_), false);
}

void ImageSession::openReadOnly(const std::string &fileName)
{
    take(RomFile::open(fileName, OpenReadOnlyFile), true);
}

// Everything of the new image is read before the one open is let go, so a
// failure leaves that one as it was.
void ImageSession::take(RomFile next, bool readOnly)
{
    std::vector<EnemyRecord> records = ReadAllRecords(next);
    ImageNames names = ReadImageNames(next);
    const bool sameImage = rom_.holds(next.path());

    if (isOpen())
        emit leaving();
    history_.clear();
    pending_.clear();
    rom_ = std::move(next);
    readOnly_ = readOnly;
    records_ = std::move(records);
    relabelledByOpening_ = labels_.takeImage(std::move(names), records_);
    lostTold_ = false;
    journal_.find(rom_);
    journal_.beginSession();
    watchPath();
    if (!sameImage)
        clearBaseline();
    emit opened();
}

void ImageSession::openAgain()
{
    const std::string fileName = rom_.path();
    RomFile next = rom_.holds(fileName) ? rom_.reopened(fileName) : RomFile::open(fileName, opener_);
    std::vector<EnemyRecord> records = ReadAllRecords(next);
    ImageNames names = ReadImageNames(next);
    rom_ = std::move(next);
    lostTold_ = false;
    journal_.find(rom_);
    watchPath();
    const std::vector<ListEntry> relabelled = labels_.takeImage(std::move(names), records);
    const QList<int> merged = storedAre(0, records);
    emit labelsChanged(relabelled);
    if (!merged.isEmpty())
        emit changedBehind(merged);
}

void ImageSession::watchPath()
{
    if (!watcher_.files().isEmpty())
        watcher_.removePaths(watcher_.files());
    watcher_.addPath(path());
}

void ImageSession::close()
{
    if (!isOpen())
        return;
    emit leaving();
    history_.clear();
    pending_.clear();
    rom_.close();
    journal_.forget();
    records_.clear();
    labels_.forgetImage();
    if (!watcher_.files().isEmpty())
        watcher_.removePaths(watcher_.files());
    clearBaseline();
    emit closed();
}

void ImageSession::setBaseline(const std::string &fileName)
{
    if (!isOpen())
        throw RomError("Open an image before choosing one to compare it with.");
    if (rom_.holds(fileName))
        throw RomError("\"" + fileName +
                       "\" is the open image itself: compare it with another, such as the "
                       "image before it was changed.");
    baseline_ = std::make_unique<Baseline>(fileName);
    emit baselineChanged();
}

void ImageSession::clearBaseline()
{
    if (baseline_) {
        baseline_.reset();
        emit baselineChanged();
    }
}

const EnemyRecord &ImageSession::stored(int index) const
{
    return records_.at(At(index));
}

QString ImageSession::enemyLabel(int index) const
{
    const auto name = stored(index).bytes(Field::Name);
    Label &label = labelCache_[static_cast<std::size_t>(index)];
    if (!std::ranges::equal(name, label.nameBytes)) {
        label.nameBytes.assign(name.begin(), name.end());
        label.text = QString::fromStdString(EnemyLabel(index, stored(index)));
    }
    return label.text;
}

void ImageSession::setBaseLabels(LongList list, std::vector<std::string> labels)
{
    labels_.setBase(list, std::move(labels));
    std::vector<ListEntry> entries;
    for (int position = 0; position < labels_.count(list); ++position)
        entries.push_back({list, position});
    emit labelsChanged(entries);
}

const EnemyRecord &ImageSession::shown(int index) const
{
    const PendingRecord *pending = pending_.find(index);
    return pending ? pending->target : stored(index);
}

PendingRecord ImageSession::pendingOrStored(int index) const
{
    const PendingRecord *pending = pending_.find(index);
    return pending ? *pending : PendingRecord{stored(index), stored(index), {}};
}

void ImageSession::editField(int index, Field field, const ControlValue &value)
{
    const PendingRecord before = pendingOrStored(index);
    const PendingRecord after = WithControlValue(before, field, value);
    if (after == before)
        return;
    const QString what =
        tr("Edit %1 of %2").arg(ToQString(FieldName(field)), ToQString(EnemyNumber(index)));
    history_.push(new PendingStep(*this, {{index, before}}, {{index, after}}, what,
                                  FieldKey(index, field)));
}

void ImageSession::editPending(std::map<int, PendingRecord> records, const QString &what)
{
    PendingStep::Records before;
    for (auto it = records.begin(); it != records.end();) {
        PendingRecord now = pendingOrStored(it->first);
        if (now == it->second) {
            it = records.erase(it);
            continue;
        }
        before.emplace(it->first, std::move(now));
        ++it;
    }
    if (!records.empty())
        history_.push(new PendingStep(*this, std::move(before), std::move(records), what));
}

void ImageSession::revert(const std::vector<int> &enemies, const QString &what)
{
    std::map<int, PendingRecord> reverted;
    for (const int index : enemies) {
        if (const PendingRecord *pending = pending_.find(index))
            reverted.emplace(index, PendingRecord{pending->base, pending->base, {}});
    }
    editPending(std::move(reverted), what);
}

void ImageSession::setPending(int index, PendingRecord record)
{
    pending_.set(index, std::move(record));
    emit pendingChanged({index});
}

std::optional<ImageSession::RefusedEdit>
ImageSession::firstRefusal(const std::vector<int> &enemies) const
{
    return FirstRefusal(pendingRecords(enemies));
}

void ImageSession::restorePending(int index, const PendingRecord &record)
{
    setPending(index, MergedOnto(record, stored(index)));
}

std::map<int, PendingRecord> ImageSession::pendingRecords(const std::vector<int> &enemies) const
{
    std::map<int, PendingRecord> records;
    for (const int index : enemies) {
        if (const PendingRecord *pending = pending_.find(index))
            records.emplace(index, *pending);
    }
    return records;
}

ImageSession::ApplyOutcome ImageSession::applyPending(const std::vector<int> &enemies,
                                                      const QString &what,
                                                      const Confirmed &confirmed)
{
    return applyRecords(pendingRecords(enemies), what, confirmed);
}

ImageSession::ApplyOutcome ImageSession::applyRecords(const std::map<int, PendingRecord> &records,
                                                      const QString &what,
                                                      const Confirmed &confirmed)
{
    if (auto refused = FirstRefusal(records))
        return *std::move(refused);
    std::vector<RecordWrite> writes;
    std::map<int, PendingRecord> written;
    for (const auto &[index, pending] : records) {
        const auto ticked = confirmed.find(index);
        EnemyRecord after = ToWrite(pending, ticked == confirmed.end() ? std::set<int>{} : ticked->second);
        if (after == pending.base)
            continue;
        writes.push_back({index, pending.base, std::move(after)});
        written.emplace(index, pending);
    }
    if (writes.empty())
        return WriteOutcome{};
    return pushWrite({std::move(writes), {}}, std::move(written), what);
}

WriteOutcome ImageSession::writeChanges(std::vector<RecordWrite> changes, const QString &what)
{
    return changes.empty() ? WriteOutcome{} : pushWrite({std::move(changes), {}}, {}, what);
}

WriteOutcome ImageSession::fixChecksum()
{
    WriteOutcome refused;
    refused.image = rom_.path();
    refused.kind = WriteOutcome::Kind::NothingWritten;
    refused.cause = WriteOutcome::Cause::Failed;
    if (readOnly_) {
        refused.reason = "The image was opened for reading only.";
        return refused;
    }
    auto fix = ChecksumWrite(rom_, {});
    if (auto *why = std::get_if<std::string>(&fix)) {
        refused.reason = std::move(*why);
        return refused;
    }
    BytesWrite &bytes = std::get<BytesWrite>(fix);
    if (bytes.before == bytes.after)
        return WriteOutcome{};
    return pushWrite({{}, {std::move(bytes)}}, {}, tr("Fix Checksum"));
}

WriteOutcome ImageSession::write(const ImageWrite &change, const QString &step)
{
    const std::vector<RecordWrite> &changes = change.records;
    WriteOutcome outcome = journal_.write(rom_, change, step.toStdString(), sync_);
    std::vector<int> written = outcome.wroteAll() ? std::vector<int>{} : outcome.whole;
    int first = ENEMY_COUNT;
    int last = -1;
    for (const RecordWrite &change : changes) {
        first = std::min(first, change.index);
        last = std::max(last, change.index);
        if (outcome.wroteAll())
            written.push_back(change.index);
    }
    // The edits just written are no longer pending; edits made on top stay.
    for (const RecordWrite &change : changes) {
        if (std::find(written.begin(), written.end(), change.index) == written.end())
            continue;
        if (const PendingRecord *pending = pending_.find(change.index))
            setPending(change.index, pending->rebased(change.after));
    }
    if (outcome.cause == WriteOutcome::Cause::ChangedBehind) {
        readTableAgain(); // the edits merge with what the other program wrote
    } else if (last >= 0) {
        try {
            storedAre(first, ReadRecords(rom_, first, last));
        } catch (const RomError &) {
            // What the views show stays; the outcome says what went wrong.
        }
    }
    if (outcome.cause == WriteOutcome::Cause::Replaced || outcome.cause == WriteOutcome::Cause::Resized)
        lostTold_ = true;
    return outcome;
}

void ImageSession::readTableAgain()
{
    if (!isOpen())
        return;
    // A file replaced by renaming is no longer watched: watch the name again.
    if (!watcher_.files().contains(path()))
        watcher_.addPath(path());
    try {
        // What another file holds is no base for the edits: the user decides.
        if (rom_.changeSinceOpened() != RomFile::Change::None) {
            if (!std::exchange(lostTold_, true))
                emit imageLost();
            return;
        }
        const QList<int> merged = storedAre(0, ReadAllRecords(rom_));
        if (!merged.isEmpty())
            emit changedBehind(merged);
    } catch (const RomError &) {
        // A file that cannot be read now is told of by the next write.
    }
}

QList<int> ImageSession::storedAre(int first, const std::vector<EnemyRecord> &records)
{
    QList<int> changed;
    QList<int> merged;
    std::vector<ListEntry> relabelled;
    for (std::size_t k = 0; k < records.size(); ++k) {
        const int index = first + static_cast<int>(k);
        if (records_[At(index)] == records[k])
            continue;
        records_[At(index)] = records[k];
        changed.append(index);
        const std::vector<ListEntry> entries = labels_.recordStored(index, records[k]);
        relabelled.insert(relabelled.end(), entries.begin(), entries.end());
        const PendingRecord *pending = pending_.find(index);
        if (pending && !(pending->base == records[k])) {
            pending_.set(index, MergedOnto(*pending, records[k]));
            merged.append(index);
        }
    }
    if (changed.isEmpty())
        return {};
    emit storedChanged(changed);
    if (!merged.isEmpty())
        emit pendingChanged(merged);
    if (!relabelled.empty())
        emit labelsChanged(relabelled);
    return merged;
}

} // namespace mobwright

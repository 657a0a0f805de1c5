#pragma once

#include "Baseline.h"
#include "EnemyForm.h"
#include "ListLabels.h"
#include "PendingEdits.h"
#include "RecordStore.h"
#include "Recovery.h"
#include "RomFile.h"
#include "SessionJournal.h"
#include "StepTarget.h"

#include <QFileSystemWatcher>
#include <QList>
#include <QObject>
#include <QUndoStack>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <variant>
#include <vector>

namespace mobwright {

// The open image and everything the editor keeps of it: the enemy table as
// the file holds it, the names and list labels, the edits not yet written
// and the undo history. The window, the table and the command line all work
// through it, and every write goes through its one write path; the steps of
// its history are its own.
class ImageSession : public QObject, private StepTarget
{
    Q_OBJECT

public:
    explicit ImageSession(QObject *parent = nullptr);
    ~ImageSession() override;

    // How images are opened: tests watch and break the file through it.
    void setFileOpener(RomFile::Opener opener) { opener_ = std::move(opener); }
    // Whether a write waits until the records are on the disk.
    void setSyncAfterWrite(bool sync) { sync_ = sync; }
    // Whether writes are journaled (by default): the journal of the open
    // image is found again when it is turned on.
    void setJournalEnabled(bool enabled);
    // Where the journals are, and how they are found: tests put them aside.
    SessionJournal &journalSettings() { return journal_; }
    // The open image's journal, or none where it is off or cannot be read.
    const Journal *journal() const { return journal_.journal(); }

    // Opens an image and reads its table and names; a failure throws
    // RomError and leaves the image open before as it was. An image that
    // is open already is read again through its own handle.
    void open(const std::string &fileName);
    // The same without a lock, for reading only: writes are refused.
    void openReadOnly(const std::string &fileName);
    // Opens the image at its path again once the file there is no longer
    // the one opened, or not of its size: the pending edits are merged onto
    // what it holds, and the history stays. A failure throws RomError and
    // leaves everything as it was.
    void openAgain();
    void close();
    bool isOpen() const { return rom_.isOpen(); }
    const RomFile &rom() const { return rom_; }
    QString path() const;

    // What the file holds, as last read.
    const EnemyRecord &stored(int index) const;
    const std::vector<EnemyRecord> &storedRecords() const { return records_; }
    // "005: Rust Beetle", named as the file names the enemy.
    QString enemyLabel(int index) const;
    const ListLabels &labels() const { return labels_; }
    // The entries whose labels opening the image may have changed.
    const std::vector<ListEntry> &relabelledByOpening() const { return relabelledByOpening_; }
    // Replaces a long list's base labels (the user's own); the entries shown change.
    void setBaseLabels(LongList list, std::vector<std::string> labels);

    // Edits not yet written, and a record as the views show it: with its
    // pending edits.
    const PendingEdits &pending() const { return pending_; }
    const PendingRecord *pendingOf(int index) const override { return pending_.find(index); }
    const EnemyRecord &shown(int index) const;
    PendingRecord pendingOrStored(int index) const;

    // One field of an enemy set as its control holds it, as a step of the
    // history; typing on in the same field adds to that step.
    void editField(int index, Field field, const ControlValue &value);
    // Several enemies' pending records replaced as one step named what.
    void editPending(std::map<int, PendingRecord> records, const QString &what);
    // Drops the pending edits of enemies, as one step.
    void revert(const std::vector<int> &enemies, const QString &what);

    // An edit whose text its field cannot take, and the enemy it is in.
    struct RefusedEdit
    {
        int enemy;
        Refusal refusal;
    };
    // The first such edit of enemies, in ascending order.
    std::optional<RefusedEdit> firstRefusal(const std::vector<int> &enemies) const;
    // What a write did, or the edit that refused it before anything was written.
    using ApplyOutcome = std::variant<WriteOutcome, RefusedEdit>;
    // Conflicting edits to write over what the file holds: by enemy, the
    // first offsets of their fields and bytes.
    using Confirmed = std::map<int, std::set<int>>;
    // Writes the pending edits of enemies as one step, unless an edit
    // refuses them all: then nothing is written and no step taken. Where
    // nothing is left to write, the outcome says so.
    ApplyOutcome applyPending(const std::vector<int> &enemies, const QString &what,
                              const Confirmed &confirmed = {});
    // The pending records of enemies, as a preview shows them.
    std::map<int, PendingRecord> pendingRecords(const std::vector<int> &enemies) const;
    // Writes such records as they were taken, each over the bytes its edits
    // were made on, as applyPending does; a conflicting edit left out stays
    // pending. Records the file no longer holds as they were taken are
    // refused, as changed behind.
    ApplyOutcome applyRecords(const std::map<int, PendingRecord> &records, const QString &what,
                              const Confirmed &confirmed = {});
    // Writes changes read from elsewhere (an import) as one step.
    WriteOutcome writeChanges(std::vector<RecordWrite> changes, const QString &what);
    // Writes into the internal header the checksum the image sums to, as
    // one step. Refused, with nothing written, for an image opened for
    // reading only or one whose header cannot be trusted (the outcome's
    // reason names the places tried); nothing is asked where it is right.
    WriteOutcome fixChecksum();
    // Whether every write puts the checksum right too, in the same step;
    // an image whose header cannot be trusted keeps its checksum as it is.
    void setKeepChecksum(bool keep) { keepChecksum_ = keep; }

    // The journal's last write where it was not finished (the editor was
    // stopped, or the machine lost power), as the image holds it now; none
    // where there is none. Throws RomError where the image cannot be read.
    std::optional<Recovery> unfinishedWrite();
    // Finishes it, rolls it back or leaves it as the image holds it, and
    // reads the table again.
    WriteOutcome settleUnfinished(Settlement how);
    // Takes the table back to where the journal's write numbered to left it,
    // or to its original table, as one step that writes.
    WriteOutcome revertJournaled(std::optional<std::uint64_t> to, const QString &what);
    // The journal's writes made before this session, oldest first.
    std::vector<JournalEntry> earlierWrites() const { return journal_.earlierWrites(); }
    // Undoes the earlier write numbered sequence and every write since, this
    // session's too, as one step; refused, naming the enemies and fields,
    // where the file no longer holds what they left. Throws JournalError
    // where the journal cannot say.
    WriteOutcome undoEarlierWrite(std::uint64_t sequence, const QString &what);

    // The image the open one is compared with, or none; it goes with the
    // image. One that cannot be the baseline throws RomError and leaves the
    // one before as it was.
    void setBaseline(const std::string &fileName);
    // The table the image held before the editor first wrote into it, as
    // its journal keeps it, is the baseline; throws RomError where there is none.
    void compareWithOriginal();
    void clearBaseline();
    const Baseline *baseline() const { return baseline_.get(); }
    // Every byte of the image as the file holds it now, in one read.
    ImageBytes readImage() { return rom_.readAll(); }
    // The same of the baseline, which must be chosen; throws RomError when
    // its file changed since it was compared.
    ImageBytes readBaseline() { return baseline_->contents(); }

    // The steps taken, to undo and redo; historyChanged tells when these change.
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    QString undoText() const { return history_.undoText(); }
    QString redoText() const { return history_.redoText(); }
    // Moves through the history and gives what the step wrote, if anything;
    // a write that fails leaves the history where it was.
    WriteOutcome undo();
    WriteOutcome redo();
    // The steps by name, oldest first, and how many of them are done.
    int stepCount() const { return history_.count(); }
    QString stepText(int step) const { return history_.text(step); }
    int stepsDone() const { return history_.index(); }
    // Undoes or redoes one step at a time until done steps are done; stops
    // at a step whose write fails, and gives what that write did, or else
    // what the last write did.
    WriteOutcome goToStep(int done);

signals:
    // The image open is about to be let go: closed, or replaced by one opened.
    void leaving();
    void opened();
    void closed();
    // What the file holds for these enemies changed: written, or changed by
    // another program.
    void storedChanged(const QList<int> &indexes);
    // Another program changed these enemies, whose edits were merged with
    // its changes.
    void changedBehind(const QList<int> &indexes);
    // The file at the image's path is no longer the one opened, or not of
    // its size: nothing of it is read or merged until it is opened again.
    void imageLost();
    void pendingChanged(const QList<int> &indexes);
    void labelsChanged(const std::vector<ListEntry> &entries);
    // Undo or redo took a step over these enemies.
    void steppedOver(const QList<int> &indexes);
    // A baseline was chosen, or let go.
    void baselineChanged();
    void historyChanged();

private:
    WriteOutcome write(const ImageWrite &change, const QString &step) override;
    void restorePending(int index, const PendingRecord &record) override;
    void setPending(int index, PendingRecord record);
    void take(RomFile rom, bool readOnly);
    void readTableAgain();
    // Takes records as the file holds them; gives the enemies whose edits
    // were merged with them.
    QList<int> storedAre(int first, const std::vector<EnemyRecord> &records);
    void watchPath();
    WriteOutcome moveHistory(bool undoing);
    // Pushes a step that writes, with the checksum put right when it is
    // kept so; gives what its first write did.
    WriteOutcome pushWrite(ImageWrite change, std::map<int, PendingRecord> written,
                           const QString &what);

    RomFile rom_;
    std::unique_ptr<Baseline> baseline_;
    RomFile::Opener opener_ = OpenLockedFile;
    bool sync_ = true;
    bool readOnly_ = false;
    bool keepChecksum_ = false;
    SessionJournal journal_;
    std::vector<EnemyRecord> records_;
    ListLabels labels_;
    std::vector<ListEntry> relabelledByOpening_;
    PendingEdits pending_;
    QUndoStack history_;
    QFileSystemWatcher watcher_;
    // Each enemy's label with the name bytes it was made from: another image
    // mostly names the same enemies, and a label is made again only for a new name.
    struct Label
    {
        std::vector<std::uint8_t> nameBytes;
        QString text;
    };
    mutable std::vector<Label> labelCache_ = std::vector<Label>(ENEMY_COUNT);
    bool lostTold_ = false; // imageLost was emitted, or a write told it
};

} // namespace mobwright

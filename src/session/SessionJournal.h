#pragma once

#include "Journal.h"
#include "RecordStore.h"
#include "Recovery.h"

#include <QString>

#include <functional>
#include <memory>

namespace mobwright {

class RomFile;

// The user's choice of journaling writes, kept with the window's settings
// under this key and read by the command line too: on unless turned off.
inline const QString JOURNAL_SETTING = QStringLiteral("journal/enabled");

// The journal of the open image's writes, found in the journal folder when
// the image is opened. Turned off, writes go straight into the image; on,
// a journal that cannot be read or written refuses them, so that no write
// goes unrecorded.
class SessionJournal
{
public:
    // Finds the journal of the image open in a file; tests put it on a simulated disk.
    using Finder = std::function<std::unique_ptr<Journal>(RomFile &rom, const QString &folder)>;

    SessionJournal();

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }
    // The folder of the journals; the user's data folder unless set.
    QString folder() const;
    void setFolder(QString path) { folder_ = std::move(path); }
    void setFinder(Finder finder) { finder_ = std::move(finder); }

    // Finds the journal of the image open in rom, when enabled; a journal
    // that cannot be read is remembered as the problem that refuses writes.
    void find(RomFile &rom);
    void forget();
    Journal *journal() const { return journal_.get(); }
    // Why writes are refused, or nothing.
    const std::string &problem() const { return problem_; }

    // The journal's last write where it was not finished, as rom holds it
    // now, and that write settled as the user chose.
    std::optional<Recovery> unfinished(RomFile &rom) const;
    WriteOutcome settle(RomFile &rom, Settlement how, bool sync);
    // The writes that take the table back to the original, or to where the
    // write numbered to left it; throws JournalError where there is no
    // journal or no such write.
    std::vector<RecordWrite> revertWrites(RomFile &rom, std::optional<std::uint64_t> to) const;

    // The writes journaled before this session: those the journal held when
    // the image was opened (or the journal turned on), oldest first.
    void beginSession();
    std::vector<JournalEntry> earlierWrites() const;
    // The writes that undo the journal's write numbered sequence and every
    // write since, this session's too; throws JournalError as revertWrites.
    std::vector<RecordWrite> undoWrites(RomFile &rom, std::uint64_t sequence) const;

    // The table as the image held it before the editor first wrote into it;
    // throws RomError, saying why, where the journal keeps none.
    const OriginalTable &original() const;

    // The one write path, journaled when enabled. An unfinished write is
    // left as the image holds it first: the window asks about one when it
    // opens the image, and the command line refuses the image.
    WriteOutcome write(RomFile &rom, const ImageWrite &change, const std::string &step, bool sync);

private:
    bool enabled_ = true;
    QString folder_;
    Finder finder_;
    std::unique_ptr<Journal> journal_;
    std::string problem_;
    std::uint64_t sessionStart_ = 0; // the last sequence before this session's writes
};

} // namespace mobwright

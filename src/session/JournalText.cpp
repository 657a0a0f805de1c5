#include "JournalText.h"

#include "WriteOutcome.h"

#include <QCoreApplication>
#include <QDateTime>

namespace mobwright {
namespace {

// This file's texts, as translators see them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(JournalText)
};

QString MarkOf(const JournalEntry &entry, bool last)
{
    switch (entry.mark) {
    case EntryMark::Written:
        return {};
    case EntryMark::NothingWritten:
        return Text::tr(" (nothing written)");
    case EntryMark::Left:
        return Text::tr(" (cut, left as it was)");
    case EntryMark::None:
        break;
    }
    return last ? Text::tr(" (unfinished)") : Text::tr(" (cut, settled)");
}

} // namespace

QString JournalEntryLine(const JournalEntry &entry, bool last)
{
    return QStringLiteral("%1  %2  %3  %4%5")
        .arg(entry.sequence)
        .arg(QDateTime::fromMSecsSinceEpoch(entry.time).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
             QString::fromStdString(entry.step),
             entry.enemies.empty() ? Text::tr("bytes outside the enemy table")
                                   : QString::fromStdString(EnemyList(entry.enemies)),
             MarkOf(entry, last));
}

} // namespace mobwright

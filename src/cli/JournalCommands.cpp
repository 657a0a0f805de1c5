#include "Commands.h"

#include "Counted.h"
#include "ImageSession.h"
#include "JournalText.h"
#include "RomError.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace mobwright {
namespace {

// This file's texts, as translators see them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// A session on image with its journal, as the user chose; writing locks it.
void OpenJournaled(ImageSession &session, const QString &image, bool writing, const Console &io)
{
    io.journalAsChosen(session);
    writing ? session.open(FileName(image)) : session.openReadOnly(FileName(image));
    if (!session.journal())
        throw JournalError(session.journalSettings().problem().empty()
                               ? Text::tr("The journal of writes is turned off.").toStdString()
                               : session.journalSettings().problem());
}

int Told(const WriteOutcome &outcome, const QString &done, const Console &io)
{
    if (outcome.kind == WriteOutcome::Kind::Nothing) {
        io.say(Text::tr("The image already holds that table: nothing to write."));
        return EXIT_DONE;
    }
    if (outcome.kind != WriteOutcome::Kind::Written)
        return io.fail(outcome.cause == WriteOutcome::Cause::ChangedBehind ? EXIT_REFUSED
                                                                          : EXIT_FILE_FAILED,
                       QString::fromStdString(outcome.message()));
    io.say(done);
    return EXIT_DONE;
}

} // namespace

std::optional<int> RefuseUnfinished(ImageSession &session, const Console &io)
{
    const JournalEntry *open = session.journal() ? session.journal()->unfinished() : nullptr;
    if (!open)
        return std::nullopt;
    return io.fail(EXIT_REFUSED,
                   Text::tr("The write \"%1\" into \"%2\" was not finished. See what the image "
                            "holds with \"mobwright recover %2\", then settle it with --finish or "
                            "--roll-back, or in the window.")
                       .arg(QString::fromStdString(open->step), session.path()));
}

std::optional<int> RefuseUnfinishedAt(const QString &image, const Console &io)
{
    ImageSession session;
    io.journalAsChosen(session);
    try {
        session.openReadOnly(FileName(image));
    } catch (const RomError &) {
        return std::nullopt;
    }
    return RefuseUnfinished(session, io);
}

int RunRecover(const QCommandLineParser &parser, const QStringList &words, const Console &io)
{
    if (parser.isSet(FINISH) && parser.isSet(ROLL_BACK))
        return io.fail(EXIT_REFUSED, Text::tr("Choose --finish or --roll-back, not both."));
    const bool settling = parser.isSet(FINISH) || parser.isSet(ROLL_BACK);
    ImageSession session;
    OpenJournaled(session, words[0], settling, io);
    const std::optional<Recovery> recovery = session.unfinishedWrite();
    if (!recovery) {
        io.say(Text::tr("Every write into \"%1\" was finished.").arg(session.path()));
        return EXIT_DONE;
    }
    io.say(QString::fromStdString(recovery->message()));
    if (!settling)
        return io.fail(EXIT_REFUSED,
                       Text::tr("Settle it with --finish or --roll-back, or in the window."));
    const bool finishing = parser.isSet(FINISH);
    const HeldSignals held;
    const WriteOutcome outcome =
        session.settleUnfinished(finishing ? Settlement::Finish : Settlement::RollBack);
    if (!outcome.message().empty())
        return io.fail(EXIT_FILE_FAILED, QString::fromStdString(outcome.message()));
    io.say(finishing ? Text::tr("Finished, written and synced.")
                     : Text::tr("Rolled back, written and synced."));
    return EXIT_DONE;
}

int RunHistory(const QCommandLineParser &, const QStringList &words, const Console &io)
{
    ImageSession session;
    OpenJournaled(session, words[0], false, io);
    const Journal &journal = *session.journal();
    io.say(Text::tr("Writes into \"%1\": %2; %3.")
               .arg(session.path(), Text::tr("%n journaled", "", int(journal.entries().size())),
                    journal.original() ? Text::tr("its original table is kept")
                                       : Text::tr("nothing kept yet")));
    for (const JournalEntry &entry : journal.entries())
        io.say(JournalEntryLine(entry, &entry == &journal.entries().back()));
    return EXIT_DONE;
}

int RunRevert(const QCommandLineParser &parser, const QStringList &words, const Console &io)
{
    bool numbered = false;
    const std::uint64_t to = parser.value(TO).toULongLong(&numbered);
    if (parser.isSet(TO_ORIGINAL) == parser.isSet(TO) || (parser.isSet(TO) && !numbered))
        return io.fail(EXIT_REFUSED, Text::tr("Give either --to-original or --to N, N the "
                                              "number of a write that history lists."));
    ImageSession session;
    OpenJournaled(session, words[0], true, io);
    if (const auto refused = RefuseUnfinished(session, io))
        return *refused;
    const std::optional<std::uint64_t> target = parser.isSet(TO) ? std::optional(to) : std::nullopt;
    const HeldSignals held;
    const WriteOutcome outcome = session.revertJournaled(
        target, target ? Text::tr("Revert to write %1").arg(to) : Text::tr("Revert to the original"));
    const qsizetype enemies = qsizetype(session.journal()->entries().back().enemies.size());
    return Told(outcome, Text::tr("%1 written and synced.").arg(Counted(enemies, Noun::Enemy)), io);
}

} // namespace mobwright

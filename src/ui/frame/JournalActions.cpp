#include "JournalActions.h"

#include "ImageSession.h"
#include "JournalFolder.h"
#include "Prompter.h"
#include "RomError.h"
#include "Settings.h"

#include <QAction>
#include <QDir>
#include <QLocale>
#include <QMainWindow>

namespace mobwright {

JournalActions::JournalActions(const WindowParts &parts)
    : QObject(&parts.window)
    , parts_(parts)
    , toggle_(new QAction(tr("&Journal Every Write"), this))
{
    toggle_->setObjectName(QStringLiteral("mnuJournal"));
    toggle_->setCheckable(true);
    toggle_->setStatusTip(tr("Record every write in a journal, to see it and take it back after "
                             "the window is closed, and to recover from a write cut short"));
    toggle_->setChecked(parts_.settings->value(JOURNAL_SETTING, true).toBool());
    parts_.session.setJournalEnabled(toggle_->isChecked());
    connect(toggle_, &QAction::toggled, this, [this](bool on) {
        parts_.session.setJournalEnabled(on);
        parts_.settings->setValue(JOURNAL_SETTING, on);
    });
}

QString JournalActions::journalsText() const
{
    const JournalFolder folder(parts_.session.journalSettings().folder());
    const QString where = QDir::toNativeSeparators(folder.path());
    const QString room = QLocale().formattedDataSize(folder.totalSize());
    return toggle_->isChecked()
               ? tr("Every write is journaled in %1; the journals take %2.").arg(where, room)
               : tr("Writes are not journaled (File › Journal Every Write); the journals in %1 "
                    "take %2.")
                     .arg(where, room);
}

void JournalActions::settleUnfinished()
{
    ImageSession &session = parts_.session;
    try {
        const std::optional<Recovery> recovery = session.unfinishedWrite();
        if (!recovery)
            return;
        const Settlement how =
            parts_.prompter.unfinishedWrite(&parts_.window, QString::fromStdString(recovery->message()));
        const WriteOutcome outcome = session.settleUnfinished(how);
        if (!outcome.message().empty())
            parts_.prompter.warn(&parts_.window, QString::fromStdString(outcome.message()));
    } catch (const RomError &error) {
        parts_.prompter.warn(&parts_.window, QString::fromStdString(error.what()));
    }
}

} // namespace mobwright

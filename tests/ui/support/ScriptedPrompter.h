#pragma once

#include "Prompter.h"

#include <QStringList>

#include <functional>
#include <gtest/gtest.h>

namespace mobwright::test {

// The window's questions answered by the test: every file question with the
// file it names next, the others as set below; warnings are kept to read.
class ScriptedPrompter : public Prompter
{
public:
    QString nextFile; // an empty name cancels
    QStringList messages;
    QStringList previews; // the summaries of the writes shown, each taken as read
    std::function<UnappliedAnswer(const QString &what)> unapplied = [](const QString &) {
        return UnappliedAnswer::Discard;
    };
    bool openAgainAnswer = false; // the question is kept with the messages
    Settlement settlement = Settlement::Leave;
    std::function<bool(QWidget *, const QString &, const QString &,
                       const std::vector<CellChange> &)>
        changes = [this](QWidget *, const QString &, const QString &summary,
                         const std::vector<CellChange> &) {
            previews.append(summary);
            return true;
        };
    // No conflicting row is ticked.
    std::function<std::optional<std::vector<bool>>(QWidget *, const QString &, const QString &,
                                                   const std::vector<CellChange> &,
                                                   const std::vector<bool> &)>
        apply = [this](QWidget *, const QString &, const QString &summary,
                       const std::vector<CellChange> &, const std::vector<bool> &rows) {
            previews.append(summary);
            return std::optional(std::vector<bool>(rows.size(), false));
        };
    std::function<QString(QWidget *, const SaveQuestion &, QString *)> save =
        [this](QWidget *, const SaveQuestion &, QString *) { return nextFile; };
    std::optional<QString> nextName;
    // The answer to Adjust: the real dialog, say.
    std::function<std::optional<Adjustment>(QWidget *, const AdjustQuestion &)> adjust =
        [](QWidget *, const AdjustQuestion &) {
            ADD_FAILURE() << "an adjustment asked for, and none given";
            return std::optional<Adjustment>();
        };

    QString imageToOpen(QWidget *, const QString &) override { return nextFile; }
    QString baselineToCompare(QWidget *, const QString &) override { return nextFile; }
    QString tableToImport(QWidget *, const QString &) override { return nextFile; }
    QString fileToSave(QWidget *parent, const SaveQuestion &question, QString *filter) override
    {
        return save(parent, question, filter);
    }
    UnappliedAnswer unappliedEdits(QWidget *, const QString &what) override
    {
        return unapplied(what);
    }
    bool openAgain(QWidget *, const QString &message) override
    {
        messages.append("Open again? " + message);
        return openAgainAnswer;
    }
    bool confirmChanges(QWidget *parent, const QString &title, const QString &summary,
                        const std::vector<CellChange> &cells) override
    {
        return changes(parent, title, summary, cells);
    }
    std::optional<std::vector<bool>> confirmApply(QWidget *parent, const QString &title,
                                                  const QString &summary,
                                                  const std::vector<CellChange> &cells,
                                                  const std::vector<bool> &conflicting) override
    {
        return apply(parent, title, summary, cells, conflicting);
    }
    std::optional<QString> entryName(QWidget *, const QString &entry, const QString &) override
    {
        if (!nextName)
            ADD_FAILURE() << "a name asked for " << entry.toStdString() << ", and none given";
        return nextName;
    }
    std::optional<QString> filterName(QWidget *, const QString &filter) override
    {
        if (!nextName)
            ADD_FAILURE() << "a name asked for the filter " << filter.toStdString() << ", and none given";
        return nextName;
    }
    std::optional<Adjustment> adjustment(QWidget *parent, const AdjustQuestion &question) override
    {
        return adjust(parent, question);
    }
    // The question is kept with the messages.
    Settlement unfinishedWrite(QWidget *, const QString &message) override
    {
        messages.append("Unfinished? " + message);
        return settlement;
    }
    void warn(QWidget *parent, const QString &message) override
    {
        messages.append(message);
        warnedOver.append(parent);
    }
    QList<QWidget *> warnedOver; // the parents of the messages
};

} // namespace mobwright::test

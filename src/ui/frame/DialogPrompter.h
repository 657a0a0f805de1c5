#pragma once

#include "Prompter.h"

#include <QCoreApplication>

namespace mobwright {

// The window's questions as the desktop's dialogs and message boxes.
class DialogPrompter : public Prompter
{
    Q_DECLARE_TR_FUNCTIONS(DialogPrompter)

public:
    QString imageToOpen(QWidget *parent, const QString &folder) override;
    QString baselineToCompare(QWidget *parent, const QString &folder) override;
    QString tableToImport(QWidget *parent, const QString &folder) override;
    QString fileToSave(QWidget *parent, const SaveQuestion &question, QString *filter) override;

    // Apply All, Discard or Cancel; Escape cancels.
    UnappliedAnswer unappliedEdits(QWidget *parent, const QString &what) override;
    // Open Again or Keep Edits; Escape keeps them.
    bool openAgain(QWidget *parent, const QString &message) override;
    bool confirmChanges(QWidget *parent, const QString &title, const QString &summary,
                        const std::vector<CellChange> &cells) override;
    std::optional<std::vector<bool>> confirmApply(QWidget *parent, const QString &title,
                                                  const QString &summary,
                                                  const std::vector<CellChange> &cells,
                                                  const std::vector<bool> &conflicting) override;
    // A one-line dialog.
    std::optional<QString> entryName(QWidget *parent, const QString &entry,
                                     const QString &current) override;
    std::optional<QString> filterName(QWidget *parent, const QString &filter) override;
    std::optional<Adjustment> adjustment(QWidget *parent, const AdjustQuestion &question) override;

    // Finish, Roll Back or Leave It; Escape leaves it.
    Settlement unfinishedWrite(QWidget *parent, const QString &message) override;

    void warn(QWidget *parent, const QString &message) override;
};

} // namespace mobwright

#include "DialogPrompter.h"

#include "AdjustDialog.h"
#include "ChangesPreview.h"
#include "FileFormats.h"
#include "MessageBox.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace mobwright {
namespace {

const QString AppName = QStringLiteral("Mobwright");

QString ImageFilter()
{
    return FormatHelper({FormatKind::Image}).filter();
}

} // namespace

QString DialogPrompter::imageToOpen(QWidget *parent, const QString &folder)
{
    return QFileDialog::getOpenFileName(parent, tr("Open ROM"), folder, ImageFilter());
}

QString DialogPrompter::baselineToCompare(QWidget *parent, const QString &folder)
{
    return QFileDialog::getOpenFileName(parent, tr("Compare With"), folder, ImageFilter());
}

QString DialogPrompter::tableToImport(QWidget *parent, const QString &folder)
{
    return QFileDialog::getOpenFileName(parent, tr("Import Table"), folder,
                                        FormatHelper({FormatKind::Table}).filter());
}

QString DialogPrompter::fileToSave(QWidget *parent, const SaveQuestion &question, QString *filter)
{
    return AskWhereToSave(
        parent, question, [this, parent](const QString &refusal) { warn(parent, refusal); },
        filter);
}

UnappliedAnswer DialogPrompter::unappliedEdits(QWidget *parent, const QString &what)
{
    QMessageBox box(QMessageBox::Question, tr("Mobwright"),
                    tr("The edits to %1 have not been written.").arg(what), QMessageBox::NoButton,
                    parent);
    box.setInformativeText(tr("Write them into the image before going on?"));
    QPushButton *apply = box.addButton(tr("&Apply All"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(tr("&Discard"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(QMessageBox::Cancel);
    SetAccessKeys(box);
    box.setDefaultButton(apply);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == apply)
        return UnappliedAnswer::Apply;
    return box.clickedButton() == discard ? UnappliedAnswer::Discard : UnappliedAnswer::Cancel;
}

bool DialogPrompter::openAgain(QWidget *parent, const QString &message)
{
    QMessageBox box(QMessageBox::Warning, AppName, message, QMessageBox::NoButton, parent);
    QPushButton *again = box.addButton(tr("&Open Again"), QMessageBox::AcceptRole);
    QPushButton *keep = box.addButton(tr("&Keep Edits"), QMessageBox::RejectRole);
    box.setDefaultButton(keep);
    box.setEscapeButton(keep);
    box.exec();
    return box.clickedButton() == again;
}

Settlement DialogPrompter::unfinishedWrite(QWidget *parent, const QString &message)
{
    QMessageBox box(QMessageBox::Warning, AppName, message, QMessageBox::NoButton, parent);
    box.setInformativeText(tr("Finish it, roll it back, or leave the image as it is? Each is "
                              "journaled too."));
    QPushButton *finish = box.addButton(tr("&Finish"), QMessageBox::AcceptRole);
    QPushButton *rollBack = box.addButton(tr("&Roll Back"), QMessageBox::DestructiveRole);
    QPushButton *leave = box.addButton(tr("&Leave It"), QMessageBox::RejectRole);
    box.setDefaultButton(finish);
    box.setEscapeButton(leave);
    box.exec();
    if (box.clickedButton() == finish)
        return Settlement::Finish;
    return box.clickedButton() == rollBack ? Settlement::RollBack : Settlement::Leave;
}

bool DialogPrompter::confirmChanges(QWidget *parent, const QString &title, const QString &summary,
                                    const std::vector<CellChange> &cells)
{
    return ConfirmChanges(parent, title, summary, cells);
}

std::optional<std::vector<bool>> DialogPrompter::confirmApply(QWidget *parent, const QString &title,
                                                              const QString &summary,
                                                              const std::vector<CellChange> &cells,
                                                              const std::vector<bool> &conflicting)
{
    return ConfirmApply(parent, title, summary, cells, conflicting);
}

std::optional<QString> DialogPrompter::entryName(QWidget *parent, const QString &entry,
                                                 const QString &current)
{
    bool ok = false;
    const QString name = QInputDialog::getText(
        parent, tr("Name This Entry"),
        tr("A name for %1, kept in your label folder (empty: the built-in label):").arg(entry),
        QLineEdit::Normal, current, &ok);
    return ok ? std::optional(name) : std::nullopt;
}

std::optional<QString> DialogPrompter::filterName(QWidget *parent, const QString &filter)
{
    bool ok = false;
    const QString name = QInputDialog::getText(parent, tr("Save Filter"),
                                               tr("A name to keep \"%1\" under:").arg(filter),
                                               QLineEdit::Normal, QString(), &ok);
    return ok ? std::optional(name) : std::nullopt;
}

std::optional<Adjustment> DialogPrompter::adjustment(QWidget *parent, const AdjustQuestion &question)
{
    return AskAdjustment(parent, question);
}

void DialogPrompter::warn(QWidget *parent, const QString &message)
{
    ShowWarning(parent, AppName, message);
}

} // namespace mobwright

#include "MessageBox.h"

#include <QCoreApplication>
#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>

namespace mobwright {
namespace {

// This file's texts, as translators see them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(MessageBox)
};

// Longer than this, a message would make the box taller than a small screen.
constexpr qsizetype MAX_SHOWN_LINES = 12;
constexpr qsizetype MAX_SHOWN_CHARACTERS = 1200;

} // namespace

std::unique_ptr<QMessageBox> WarningBox(QWidget *parent, const QString &title,
                                        const QString &message)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Warning, title, message, QMessageBox::Ok,
                                             parent);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    SetAccessKeys(*box);
    const qsizetype paragraph = message.indexOf(QStringLiteral("\n\n"));
    const bool isLong =
        message.count(u'\n') >= MAX_SHOWN_LINES || message.size() > MAX_SHOWN_CHARACTERS;
    if (!isLong || paragraph < 0)
        return box;
    box->setText(message.first(paragraph));
    box->setDetailedText(message.sliced(paragraph + 2));
    // The details are what the user needs: open from the start, and as large
    // as half the screen allows.
    for (QAbstractButton *button : box->buttons()) {
        if (box->buttonRole(button) == QMessageBox::ActionRole)
            button->click();
    }
    if (auto *details = box->findChild<QTextEdit *>()) {
        const QSize screen = box->screen()->availableGeometry().size();
        details->setFixedSize(std::min(640, screen.width() * 3 / 4), screen.height() / 2);
    }
    return box;
}

void SetAccessKeys(QDialogButtonBox &buttons)
{
    if (QPushButton *ok = buttons.button(QDialogButtonBox::Ok))
        ok->setText(Text::tr("&OK"));
    if (QPushButton *cancel = buttons.button(QDialogButtonBox::Cancel))
        cancel->setText(Text::tr("&Cancel"));
}

void SetAccessKeys(QMessageBox &box)
{
    if (QAbstractButton *ok = box.button(QMessageBox::Ok))
        ok->setText(Text::tr("&OK"));
    if (QAbstractButton *cancel = box.button(QMessageBox::Cancel))
        cancel->setText(Text::tr("&Cancel"));
}

void ShowWarning(QWidget *parent, const QString &title, const QString &message)
{
    WarningBox(parent, title, message)->exec();
}

} // namespace mobwright

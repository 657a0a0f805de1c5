#include "DialogPrompter.h"
#include "ImportPlan.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>
#include <gtest/gtest.h>

using namespace mobwright;

namespace {

QString Text(UnappliedAnswer answer)
{
    return answer == UnappliedAnswer::Apply     ? "apply"
           : answer == UnappliedAnswer::Discard ? "discard"
                                                : "cancel";
}

QString Text(bool yes)
{
    return yes ? "yes" : "no";
}

QString Text(const std::optional<QString> &text)
{
    return text ? "\"" + *text + "\"" : "none";
}

QString Text(const std::optional<Adjustment> &adjustment)
{
    return adjustment ? QString("%1 by %2%3")
                            .arg(int(adjustment->operation))
                            .arg(adjustment->value)
                            .arg(adjustment->clamp ? ", clamped" : "")
                      : "none";
}

// A question, the user's part in its dialog, and what the question gives then.
struct Case
{
    const char *title; // of the dialog shown
    std::function<QString(DialogPrompter &)> ask;
    std::function<void(QWidget *dialog)> answer;
    const char *expected;
};

// The button of the dialog whose text is text, pressed as the user presses it.
std::function<void(QWidget *)> Press(const char *text)
{
    return [text](QWidget *dialog) {
        for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>()) {
            if (button->text() == QLatin1String(text) && button->isVisible()) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        }
        ADD_FAILURE() << "no button " << text;
        static_cast<QDialog *>(dialog)->reject();
    };
}

std::function<void(QWidget *)> Key(Qt::Key key)
{
    return [key](QWidget *dialog) { QTest::keyClick(dialog, key); };
}

// Types text into the dialog's line of text, then presses the button.
std::function<void(QWidget *)> Type(const QString &text, const char *button)
{
    return [text, button](QWidget *dialog) {
        QLineEdit *line = dialog->findChild<QLineEdit *>();
        line->clear();
        QTest::keyClicks(line, text);
        Press(button)(dialog);
    };
}

const QString What = "2 enemies (3 fields)";
const auto Unapplied = [](DialogPrompter &prompter) {
    return Text(prompter.unappliedEdits(nullptr, What));
};
const auto OpenAgain = [](DialogPrompter &prompter) {
    return Text(prompter.openAgain(nullptr, "The image was replaced."));
};
const auto Unfinished = [](DialogPrompter &prompter) {
    return QString("finish,roll back,leave").split(',')[int(prompter.unfinishedWrite(nullptr, "Cut."))];
};
const auto Changes = [](DialogPrompter &prompter) {
    return Text(prompter.confirmChanges(nullptr, "Apply All", "Apply All writes", {}));
};
const auto Name = [](DialogPrompter &prompter) {
    return Text(prompter.entryName(nullptr, "33 - Battle", "Battle"));
};
const auto Adjust = [](DialogPrompter &prompter) {
    return Text(prompter.adjustment(nullptr, {3, [](const Adjustment &) { return std::vector<AdjustedCell>(); },
                                              [](int) { return QString(); }}));
};
const auto Open = [](DialogPrompter &prompter) { return prompter.imageToOpen(nullptr, {}); };
const auto Compare = [](DialogPrompter &prompter) {
    return prompter.baselineToCompare(nullptr, {});
};
const auto Import = [](DialogPrompter &prompter) { return prompter.tableToImport(nullptr, {}); };

const Case Cases[]{
    {"Mobwright", Unapplied, Press("&Apply All"), "apply"},
    {"Mobwright", Unapplied, Press("&Discard"), "discard"},
    {"Mobwright", Unapplied, Press("&Cancel"), "cancel"},
    {"Mobwright", Unapplied, Key(Qt::Key_Escape), "cancel"},
    {"Mobwright", OpenAgain, Press("&Open Again"), "yes"},
    {"Mobwright", OpenAgain, Press("&Keep Edits"), "no"},
    {"Mobwright", OpenAgain, Key(Qt::Key_Escape), "no"},
    {"Mobwright", OpenAgain, Key(Qt::Key_Return), "no"}, // Keep Edits is the default
    {"Mobwright", Unfinished, Press("&Finish"), "finish"},
    {"Mobwright", Unfinished, Press("&Roll Back"), "roll back"},
    {"Mobwright", Unfinished, Press("&Leave It"), "leave"},
    {"Mobwright", Unfinished, Key(Qt::Key_Escape), "leave"},
    {"Apply All", Changes, Press("&Write Changes"), "yes"},
    {"Apply All", Changes, Key(Qt::Key_Return), "no"}, // Cancel is the default
    {"Name This Entry", Name, Type("Gym", "OK"), "\"Gym\""},
    {"Name This Entry", Name, Type("Gym", "Cancel"), "none"},
    {"Adjust", Adjust, Type("2", "&OK"), "2 by 2, clamped"},
    {"Adjust", Adjust, Press("&Cancel"), "none"},
    {"Open ROM", Open, Key(Qt::Key_Escape), ""},
    {"Compare With", Compare, Key(Qt::Key_Escape), ""},
    {"Import Table", Import, Key(Qt::Key_Escape), ""},
};

} // namespace

// Each question as its real dialog shows it, answered by pressing its buttons and keys.
TEST(DialogPrompter, GivesTheAnswerOfTheButtonPressed)
{
    for (const Case &each : Cases) {
        QString title;
        QTimer::singleShot(0, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr) << each.title;
            title = dialog->windowTitle();
            each.answer(dialog);
        });
        DialogPrompter prompter;
        const QString answer = each.ask(prompter);
        EXPECT_EQ(answer.toStdString() + " in " + title.toStdString(),
                  std::string(each.expected) + " in " + each.title);
    }
}

// The editor applying to enemy 5 in a loop until it is stopped: each apply
// writes one counter value into every number field and the name's length,
// so a record that is part one apply and part another shows two values.
#include "CloseOnSignals.h"
#include "DialogPrompter.h"
#include "MainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>

using namespace mobwright;

namespace {

// A failure is told on standard error, for the test that stops the loop to show.
class StderrPrompter : public DialogPrompter
{
    void warn(QWidget *, const QString &message) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
    // A write the last kill cut is finished before the loop goes on.
    Settlement unfinishedWrite(QWidget *parent, const QString &message) override
    {
        warn(parent, message);
        return Settlement::Finish;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Its home is the test's scratch folder; a folder of its own would be
    // left behind by every kill.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    MainWindow window(std::make_unique<StderrPrompter>());
    CloseOnSignals(window);
    window.show();
    window.loadImageFile(argv[1]);
    window.findChild<QComboBox *>("cmbEnemy(0)")->setCurrentIndex(5);

    int count = 0;
    QTimer loop;
    QObject::connect(&loop, &QTimer::timeout, [&] {
        const int value = count++ % 250 + 1;
        for (QLineEdit *edit : window.findChildren<QLineEdit *>()) {
            if (edit->objectName() == "txtName")
                edit->setText(QString(value % 25 + 1, 'A'));
            else if (edit->objectName() == "txtStart" || edit->objectName() == "txtDeath")
                edit->setText(QString::number(value, 16));
            else
                edit->setText(QString::number(value));
        }
        window.findChild<QPushButton *>("cmdApply(0)")->click();
        if (count == 1)
            std::puts("applying"), std::fflush(stdout);
    });
    loop.start(0);
    return QApplication::exec();
}

// A floor for the editor with an image, as the bare window is one for any
// window: the widgets of the form's first page, filled, in a main window of
// the size given, made by Qt alone, with none of the editor's own code. It
// is shown, painted once and quit, as the start-up probe is.
#include "ShownOnce.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

QWidget *Rule()
{
    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

// Each list holds the one entry it shows.
QComboBox *List(const QString &entry)
{
    auto *box = new QComboBox;
    box->addItem(entry);
    return box;
}

// The first page: its enemy list, its labels, thirteen text boxes, three
// more lists, a check box and its button, in two columns.
QGroupBox *FirstPage()
{
    auto *page = new QGroupBox;
    auto *grid = new QGridLayout(page);
    grid->addWidget(new QLabel(QStringLiteral("Enemy:")), 0, 0);
    grid->addWidget(List(QStringLiteral("001: Enemy")), 0, 1, 1, 4);
    const char *left[] = {"Name:", "HP:", "PP:", "Exp. :", "Money:", "Status:"};
    const char *right[] = {"Level:", "Offense:", "Defense:", "Speed:", "Guts:", "IQ:", "Miss Rate:"};
    int row = 1;
    for (const char *label : left) {
        grid->addWidget(new QLabel(QString::fromLatin1(label)), row, 0);
        grid->addWidget(new QLineEdit(QString::number(row * 4711)), row, 1);
        ++row;
    }
    for (const char *label : {"Item:", "Item Freq.:", "Type:"}) {
        grid->addWidget(new QLabel(QString::fromLatin1(label)), row, 0);
        grid->addWidget(List(QStringLiteral("(stored value %1)").arg(row)), row, 1);
        ++row;
    }
    grid->addWidget(new QCheckBox(QStringLiteral("'The' Flag")), 1, 3);
    row = 2;
    for (const char *label : right) {
        grid->addWidget(new QLabel(QString::fromLatin1(label)), row, 3);
        grid->addWidget(new QLineEdit(QString::number(row * 13)), row, 4);
        ++row;
    }
    grid->addWidget(new QPushButton(QStringLiteral("Apply Changes")), row, 4, Qt::AlignRight);
    return page;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    for (const char *menu : {"&File", "&Edit", "&View", "&Help"})
        window.menuBar()->addMenu(QString::fromLatin1(menu))->addAction(QStringLiteral("&Entry"));
    auto *form = new QWidget;
    auto *column = new QVBoxLayout(form);
    column->setContentsMargins({});
    column->addWidget(Rule());
    column->addWidget(Rule());
    auto *tabs = new QTabBar;
    tabs->setExpanding(false);
    for (const char *caption : {"Stats", "Actions", "Gfx / Sound"})
        tabs->addTab(QString::fromLatin1(caption));
    column->addWidget(tabs);
    column->addWidget(new QLabel(QStringLiteral("Enemy Stats.")));
    column->addWidget(FirstPage(), 1);
    window.setCentralWidget(form);
    window.statusBar()->addPermanentWidget(new QLabel(QStringLiteral("image.smc — with copier header")));
    window.statusBar()->showMessage(QStringLiteral("The enemy to edit: its number and its name."));
    const QStringList size = argc > 1 ? QString::fromLatin1(argv[1]).split(u'x') : QStringList();
    if (size.size() == 2)
        window.resize(size[0].toInt(), size[1].toInt());
    mobwright::bench::QuitOncePainted(window);
    window.show();
    return QApplication::exec();
}

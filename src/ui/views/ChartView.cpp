#include "ChartView.h"

#include "ChartCanvas.h"
#include "Comparison.h"
#include "EnemyNavigator.h"
#include "ImageSession.h"
#include "OutputFile.h"
#include "Prompter.h"
#include "SaveDialog.h"
#include "TableActions.h"
#include "WindowKeys.h"

#include <QAction>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QSvgGenerator>
#include <QVBoxLayout>

#include <numeric>

namespace mobwright {
namespace {

enum Rows { AllRows, FilteredRows };

void AddColumns(QComboBox *box, const std::vector<const Column *> &columns, const QString &chosen)
{
    for (const Column *column : columns)
        box->addItem(ColumnTitle(*column), column->name);
    box->setCurrentIndex(box->findText(chosen));
}

bool IsSvg(const QString &path)
{
    return QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0;
}

} // namespace

ChartView::ChartView(const WindowParts &parts, TableActions &table, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , parts_(parts)
    , table_(table)
    , canvas_(new ChartCanvas)
    , rows_(new QComboBox)
    , x_(new QComboBox)
    , y_(new QComboBox)
    , colour_(new QComboBox)
{
    setObjectName(QStringLiteral("frmChart"));
    ImageSession &session = parts_.session;
    canvas_->setNamer([&session](int enemy) { return session.enemyLabel(enemy); });
    buildControls();
    resize(900, 600);

    connect(canvas_, &ChartCanvas::pointChosen, this, [this](int enemy) {
        table_.selectInTable({enemy}, false);
        parts_.navigator.showEnemy(enemy);
    });
    connect(canvas_, &ChartCanvas::rectangleChosen, this, [this](const std::vector<int> &enemies) {
        // Their cells of the column up the chart, which Adjust… then changes.
        table_.selectInTable(enemies, true, column(y_));
        parts_.window.statusBar()->showMessage(
            tr("%n enemies selected in the table's %1 column", nullptr, int(enemies.size())).arg(y_->currentText()));
    });
    for (const auto signal : {&ImageSession::pendingChanged, &ImageSession::storedChanged})
        connect(&session, signal, this, &ChartView::replotIfShown);
    connect(&session, &ImageSession::labelsChanged, this, &ChartView::replotIfShown);
    connect(&session, &ImageSession::opened, this, &ChartView::replotIfShown);
    connect(&session, &ImageSession::closed, this, &QWidget::close);
    connect(&table_, &TableActions::filteredEnemiesChanged, this, [this] {
        if (rows_->currentIndex() == FilteredRows)
            replotIfShown();
    });
}

void ChartView::buildControls()
{
    rows_->setObjectName(QStringLiteral("cmbChartRows"));
    rows_->addItems({tr("All enemies"), tr("The table's filtered rows")});
    x_->setObjectName(QStringLiteral("cmbChartX"));
    x_->addItem(tr("Enemy number"), QString()); // no column: the enemy's number
    AddColumns(x_, ChartNumberColumns(), QStringLiteral("Level"));
    y_->setObjectName(QStringLiteral("cmbChartY"));
    AddColumns(y_, ChartNumberColumns(), QStringLiteral("HP"));
    colour_->setObjectName(QStringLiteral("cmbChartColour"));
    AddColumns(colour_, ChartColourColumns(), QStringLiteral("Type"));
    auto *save = new QPushButton(tr("Save Chart &As…"));
    save->setObjectName(QStringLiteral("cmdSaveChart"));
    connect(save, &QPushButton::clicked, this, &ChartView::chooseFile);
    auto *saveKey = new QAction(this);
    saveKey->setShortcuts(StandardKeysOr(QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)));
    connect(saveKey, &QAction::triggered, this, &ChartView::chooseFile);
    addAction(saveKey);

    auto *controls = new QHBoxLayout;
    for (const auto &[text, box] : {std::pair{tr("&Rows:"), rows_}, std::pair{tr("&X:"), x_},
                                    std::pair{tr("&Y:"), y_}, std::pair{tr("&Colour by:"), colour_}}) {
        auto *label = new QLabel(text);
        label->setBuddy(box);
        controls->addWidget(label);
        controls->addWidget(box);
        connect(box, &QComboBox::currentIndexChanged, this, &ChartView::replotIfShown);
    }
    controls->addStretch(1);
    controls->addWidget(save);
    auto *column = new QVBoxLayout(this);
    column->addLayout(controls);
    column->addWidget(canvas_, 1);
}

const Column *ChartView::column(const QComboBox *box) const
{
    return FindColumn(box->currentData().toString());
}

void ChartView::showEvent(QShowEvent *event)
{
    if (stale_)
        replot();
    QWidget::showEvent(event);
}

// Hidden, it draws nothing until it is shown again.
void ChartView::replotIfShown()
{
    stale_ = true;
    if (isVisible())
        replot();
}

void ChartView::replot()
{
    ImageSession &session = parts_.session;
    if (!session.isOpen())
        return;
    stale_ = false;
    setWindowTitle(tr("Chart — %1").arg(QFileInfo(session.path()).fileName()));
    std::vector<EnemyRecord> shown;
    shown.reserve(ENEMY_COUNT);
    for (int enemy = 0; enemy < ENEMY_COUNT; ++enemy)
        shown.push_back(session.shown(enemy));
    std::vector<int> enemies(ENEMY_COUNT);
    if (rows_->currentIndex() == FilteredRows)
        enemies = table_.filteredEnemies();
    else
        std::iota(enemies.begin(), enemies.end(), 0);
    const ChartAxes axes{column(x_), column(y_), column(colour_)};
    canvas_->plot(ChartPoints(enemies, axes, EnemyTable(std::move(shown), &session.labels()),
                              session.storedRecords()),
                  x_->currentText(), y_->currentText());
}

void ChartView::chooseFile()
{
    const QFileInfo image(parts_.session.path());
    const QString suggested = image.dir().filePath(image.completeBaseName() + tr("-chart") + QStringLiteral(".png"));
    const QString path = parts_.prompter.fileToSave(
        this, {tr("Save Chart As"), suggested, tr("PNG Images (*.png);;SVG Images (*.svg)"),
               OpenImages(parts_.session)});
    if (!path.isEmpty())
        saveTo(path);
}

void ChartView::saveTo(const QString &path)
{
    if (const auto failure = SaveOutput({path, OpenImages(parts_.session)}, image(IsSvg(path))))
        parts_.prompter.warn(this, failure->message);
    else
        parts_.window.statusBar()->showMessage(tr("Chart saved to %1").arg(QDir::toNativeSeparators(path)));
}

QByteArray ChartView::image(bool svg)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!svg) {
        canvas_->grab().save(&buffer, "PNG");
        return buffer.data();
    }
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(canvas_->size());
    generator.setViewBox(canvas_->rect());
    generator.setTitle(windowTitle());
    QPainter painter(&generator);
    canvas_->render(&painter);
    painter.end();
    return buffer.data();
}

} // namespace mobwright

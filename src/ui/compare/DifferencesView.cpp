#include "DifferencesView.h"

#include "Comparison.h"
#include "Counted.h"
#include "ImageDiff.h"
#include "ImageSession.h"
#include "QtText.h"
#include "FileFormats.h"
#include "OutputFile.h"
#include "Prompter.h"
#include "TableExport.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>
#include <optional>
#include <set>

namespace mobwright {

// The differences as rows of text: enemy, field, baseline, current.
class DifferenceRows : public QAbstractTableModel
{
    Q_OBJECT

public:
    static QStringList header()
    {
        return {tr("Enemy"), tr("Field"), tr("Baseline"), tr("Current")};
    }

    using QAbstractTableModel::QAbstractTableModel;

    void show(const std::vector<EnemyRecord> &shown, std::vector<RecordDifference> differences)
    {
        beginResetModel();
        differences_ = std::move(differences);
        cells_ = DifferenceTable(differences_, shown).rows;
        endResetModel();
    }
    const std::vector<RecordDifference> &differences() const { return differences_; }
    const QStringList &cells(int row) const { return cells_[static_cast<std::size_t>(row)]; }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(cells_.size());
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(header().size());
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        return role == Qt::DisplayRole ? QVariant(cells(index.row())[index.column()]) : QVariant();
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return header().value(section);
        return QAbstractTableModel::headerData(section, orientation, role);
    }

private:
    std::vector<RecordDifference> differences_;
    std::vector<QStringList> cells_;
};

namespace {

QString TabSeparated(const TextTable &table)
{
    QString text = table.header.join(u'\t') + u'\n';
    for (const QStringList &row : table.rows)
        text += row.join(u'\t') + u'\n';
    return text;
}

QString Summary(const std::vector<RecordDifference> &differences, const QString &baseline)
{
    if (baseline.isEmpty())
        return DifferencesView::tr(
            "No image to compare with: choose one with File › Compare With.");
    if (differences.empty())
        return DifferencesView::tr("Every enemy is as in %1.").arg(baseline);
    std::set<int> enemies;
    for (const RecordDifference &difference : differences)
        enemies.insert(difference.enemy);
    return DifferencesView::tr("%1 in %2 differ from %3; edits not yet applied are included.")
        .arg(Counted(qsizetype(differences.size()), Noun::FieldOrByte),
             Counted(qsizetype(enemies.size()), Noun::Enemy), baseline);
}

QPushButton *Button(const char *name, const QString &text)
{
    auto *button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

DifferencesView::DifferencesView(ImageSession &session, Prompter &prompter, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , session_(session)
    , prompter_(prompter)
    , rows_(new DifferenceRows(this))
    , table_(new QTableView)
    , summary_(new QLabel)
{
    setObjectName(QStringLiteral("frmDifferences"));
    summary_->setObjectName(QStringLiteral("lblDifferences"));
    summary_->setWordWrap(true);

    table_->setObjectName(QStringLiteral("tblDifferences"));
    table_->setModel(rows_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setAlternatingRowColors(true);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setStretchLastSection(true);
    connect(table_, &QTableView::activated, this, [this](const QModelIndex &index) {
        emit differenceChosen(rows_->differences()[static_cast<std::size_t>(index.row())]);
    });
    auto *copySelected = new QAction(this);
    copySelected->setShortcut(QKeySequence::Copy);
    copySelected->setShortcutContext(Qt::WidgetShortcut);
    connect(copySelected, &QAction::triggered, this, [this] { copy(true); });
    table_->addAction(copySelected);

    QPushButton *copyAll = Button("cmdCopyDifferences", tr("&Copy All"));
    connect(copyAll, &QPushButton::clicked, this, [this] { copy(false); });
    QPushButton *save = Button("cmdSaveDifferences", tr("&Save as CSV…"));
    connect(save, &QPushButton::clicked, this, &DifferencesView::saveCsv);
    QPushButton *close = Button("cmdCloseDifferences", tr("C&lose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(copyAll);
    buttons->addWidget(save);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto *column = new QVBoxLayout(this);
    column->addWidget(summary_);
    column->addWidget(table_, 1);
    column->addLayout(buttons);
    resize(720, 480);

    refresh_.setSingleShot(true);
    refresh_.setInterval(0);
    connect(&refresh_, &QTimer::timeout, this, &DifferencesView::refresh);
    const auto later = [this] {
        if (isVisible())
            refresh_.start();
    };
    for (const auto changed : {&ImageSession::storedChanged, &ImageSession::pendingChanged})
        connect(&session_, changed, this, later);
    connect(&session_, &ImageSession::opened, this, later);
    connect(&session_, &ImageSession::baselineChanged, this, later);
    connect(&session_, &ImageSession::closed, this, &QWidget::close);
}

void DifferencesView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    refresh();
}

void DifferencesView::refresh()
{
    // The row chosen stays chosen while the rows around it change.
    const QModelIndex current = table_->currentIndex();
    const std::optional<RecordDifference> chosen =
        current.isValid() ? std::optional(rows_->differences()[std::size_t(current.row())])
                          : std::nullopt;
    std::vector<EnemyRecord> shown;
    if (session_.isOpen()) {
        for (int k = 0; k < ENEMY_COUNT; ++k)
            shown.push_back(session_.shown(k));
    }
    rows_->show(shown, DifferencesFromBaseline(session_));
    const std::vector<RecordDifference> &differences = rows_->differences();
    for (std::size_t row = 0; chosen && row < differences.size(); ++row) {
        if (differences[row].enemy == chosen->enemy && differences[row].cell == chosen->cell)
            table_->selectRow(static_cast<int>(row));
    }
    table_->resizeColumnsToContents();
    const Baseline *baseline = session_.baseline();
    const QString name = baseline ? baseline->name() : QString();
    setWindowTitle(baseline ? tr("Differences from %1").arg(name) : tr("Differences"));
    summary_->setText(Summary(differences, name));
}

TextTable DifferencesView::table(bool selectedOnly) const
{
    TextTable text{DifferenceRows::header(), {}};
    std::vector<int> rows;
    if (selectedOnly) {
        for (const QModelIndex &index : table_->selectionModel()->selectedRows())
            rows.push_back(index.row());
        std::ranges::sort(rows);
    } else {
        rows.resize(static_cast<std::size_t>(rows_->rowCount()));
        std::iota(rows.begin(), rows.end(), 0);
    }
    for (const int row : rows)
        text.rows.push_back(rows_->cells(row));
    return text;
}

void DifferencesView::copy(bool selectedOnly)
{
    QGuiApplication::clipboard()->setText(TabSeparated(table(selectedOnly)));
}

void DifferencesView::saveCsv()
{
    const QString suggested =
        tr("%1 differences.csv").arg(QFileInfo(session_.path()).completeBaseName());
    const QString path = prompter_.fileToSave(
        this, {tr("Save Differences"), QFileInfo(session_.path()).dir().filePath(suggested),
               FormatNamed(u"csv").filter(), OpenImages(session_)});
    if (!path.isEmpty())
        saveCsvTo(path);
}

bool DifferencesView::saveCsvTo(const QString &path)
{
    const auto failure = SaveOutput({path, OpenImages(session_)}, FormatNamed(u"csv").writeTable(table(false)));
    if (failure)
        prompter_.warn(this, failure->message);
    return !failure;
}

} // namespace mobwright

#include "DifferencesView.moc"

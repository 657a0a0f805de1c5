#include "EnemyTableModel.h"

#include "EnemyLabels.h"
#include "Comparison.h"
#include "ConflictMarks.h"
#include "MarkColours.h"
#include "ImageSession.h"
#include "QtText.h"

#include <QBrush>

#include <QFont>
#include <QPalette>

namespace mobwright {
namespace {

// The enemy's number, then every field and byte; labels and name bytes stay in files.
std::vector<const Column *> ShownColumns()
{
    std::vector<const Column *> columns;
    for (const Column &column : TableColumns()) {
        if (column.kind == ColumnKind::Enemy || IsEditable(column))
            columns.push_back(&column);
    }
    return columns;
}

bool IsChoiceColumn(const Column &column)
{
    return column.kind == ColumnKind::Field && IsChoice(LayoutOf(column.field()).encoding);
}

QString CellName(const TableCell &cell)
{
    return EnemyTableModel::tr("%1 of %2")
        .arg(ColumnTitle(*cell.column), ToQString(EnemyNumber(cell.enemy)));
}

} // namespace

EnemyTableModel::EnemyTableModel(ImageSession &session, QObject *parent)
    : QAbstractTableModel(parent)
    , session_(session)
    , columns_(ShownColumns())
{
    connect(&session_, &ImageSession::opened, this, &EnemyTableModel::showAll);
    connect(&session_, &ImageSession::closed, this, &EnemyTableModel::showAll);
    connect(&session_, &ImageSession::labelsChanged, this, &EnemyTableModel::showAll);
    connect(&session_, &ImageSession::baselineChanged, this, &EnemyTableModel::showAll);
    connect(&session_, &ImageSession::storedChanged, this, &EnemyTableModel::showRows);
    connect(&session_, &ImageSession::pendingChanged, this, &EnemyTableModel::showRows);
    showAll();
}

int EnemyTableModel::sectionOf(const Column &column) const
{
    const auto found = std::find(columns_.begin(), columns_.end(), &column);
    return found == columns_.end() ? -1 : static_cast<int>(found - columns_.begin());
}

TableCell EnemyTableModel::cellAt(const QModelIndex &index) const
{
    return {index.row(), &columnAt(index.column())};
}

void EnemyTableModel::showAll()
{
    beginResetModel();
    std::vector<EnemyRecord> records;
    if (session_.isOpen()) {
        records.reserve(ENEMY_COUNT);
        for (int k = 0; k < ENEMY_COUNT; ++k)
            records.push_back(session_.shown(k));
    }
    table_ = EnemyTable(std::move(records), &session_.labels());
    texts_.assign(table_.records.size() * columns_.size(), std::nullopt);
    endResetModel();
}

// Only the rows whose records changed are worked out again.
void EnemyTableModel::showRows(const QList<int> &rows)
{
    if (table_.records.empty())
        return;
    for (const int row : rows) {
        // A new name also names the enemy in other rows' calls.
        if (table_.labels[row] != session_.enemyLabel(row)) {
            showAll();
            return;
        }
        table_.records[static_cast<std::size_t>(row)] = session_.shown(row);
        std::fill_n(texts_.begin() + static_cast<std::ptrdiff_t>(row * columns_.size()), columns_.size(),
                    std::nullopt);
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    }
}

const QString &EnemyTableModel::displayText(int row, int column) const
{
    std::optional<QString> &text =
        texts_[static_cast<std::size_t>(row) * columns_.size() + static_cast<std::size_t>(column)];
    if (!text) {
        // Text typed into the form that its field cannot take shows as typed.
        const Column &shown = columnAt(column);
        const PendingRecord *pending = session_.pendingOf(row);
        const std::string *typed = nullptr;
        if (pending && shown.kind == ColumnKind::Field) {
            const auto found = pending->unparsed.find(shown.field());
            typed = found == pending->unparsed.end() ? nullptr : &found->second;
        }
        text = typed ? ToQString(*typed) : DisplayText(shown, row, table_);
    }
    return *text;
}

int EnemyTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(table_.records.size());
}

int EnemyTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

void EnemyTableModel::showOnlyDifferingCells(bool only)
{
    onlyDiffering_ = only;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
}

bool EnemyTableModel::differs(const QModelIndex &index) const
{
    const EnemyRecord *baseline = BaselineRecord(session_, index.row());
    const Column &column = columnAt(index.column());
    if (!baseline || column.kind == ColumnKind::Enemy)
        return false;
    const RecordCell cell = *column.cell;
    const EnemyRecord &shown = table_.records[static_cast<std::size_t>(index.row())];
    return !std::ranges::equal(shown.bytes(cell.offset(), cell.width()),
                               baseline->bytes(cell.offset(), cell.width()));
}

QVariant EnemyTableModel::data(const QModelIndex &index, int role) const
{
    const Column &column = columnAt(index.column());
    switch (role) {
    case Qt::DisplayRole:
        if (onlyDiffering_ && IsEditable(column) && column.cell != RecordCell(Field::Name) && !differs(index))
            return QString();
        return displayText(index.row(), index.column());
    case DiffersRole:
        return differs(index);
    // A screen reader reads the cell's name, with its value, and its help:
    // what marks it, or else what its column holds.
    case Qt::AccessibleTextRole:
        return tr("%1 of %2: %3")
            .arg(ColumnTitle(column), session_.enemyLabel(index.row()), displayText(index.row(), index.column()));
    case Qt::AccessibleDescriptionRole: {
        const QString marks = cellData(index, Qt::ToolTipRole).toString();
        return marks.isEmpty() ? headerData(index.column(), Qt::Horizontal, Qt::ToolTipRole) : marks;
    }
    case Qt::EditRole:
        return CellText(column, index.row(), table_);
    case SortRole:
        // The table opens sorted by enemy, and its rows are in enemy order.
        if (column.kind == ColumnKind::Enemy)
            return index.row();
        return column.isNumeric() ? QVariant(CellText(column, index.row(), table_).toULongLong())
                                  : QVariant(displayText(index.row(), index.column()));
    case Qt::TextAlignmentRole:
        return column.isNumeric() && !IsChoiceColumn(column)
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant();
    default:
        return cellData(index, role);
    }
}

// How a cell shows that it is edited, and what it was; that another
// program's change conflicts with the edit, and with what; that it differs
// from the baseline, and what the baseline holds.
QVariant EnemyTableModel::cellData(const QModelIndex &index, int role) const
{
    const PendingRecord *pending = session_.pendingOf(index.row());
    const Column &column = columnAt(index.column());
    const bool conflicts = pending && column.kind != ColumnKind::Enemy && pending->inConflict(*column.cell);
    const bool edited = pending && (column.kind == ColumnKind::Enemy || pending->edits(*column.cell));
    const bool refused = pending && column.kind == ColumnKind::Field && pending->unparsed.contains(column.field());
    const bool differing = differs(index);
    // Text on a mark's fill is readable on it, whatever the palette.
    const Mark fill = conflicts ? Mark::Conflict : refused ? Mark::Refused : Mark::Edited;
    if (role == Qt::ForegroundRole && edited && column.kind != ColumnKind::Enemy)
        return QBrush(MarkText(fill));
    if (differing && role == Qt::ForegroundRole)
        return QBrush(MarkText(Mark::Baseline));
    if (role == Qt::FontRole && (edited || differing)) {
        QFont font;
        font.setBold(edited);
        font.setItalic(differing);
        font.setUnderline(conflicts);
        return font;
    }
    if (conflicts && role == Qt::BackgroundRole)
        return QBrush(MarkFill(Mark::Conflict));
    if (conflicts && role == Qt::ToolTipRole) {
        EnemyTable stored = table_;
        stored.records[static_cast<std::size_t>(index.row())] = pending->base;
        return ConflictText(*column.cell, index.row(), *pending, std::move(stored));
    }
    if (differing && role == Qt::ToolTipRole && !refused) {
        EnemyTable baseline = table_;
        baseline.records[static_cast<std::size_t>(index.row())] = *BaselineRecord(session_, index.row());
        return tr("Baseline: %1").arg(DisplayText(column, index.row(), baseline));
    }
    if (!pending)
        return {};
    switch (role) {
    case Qt::BackgroundRole:
        if (refused)
            return QBrush(MarkFill(Mark::Refused));
        return edited && column.kind != ColumnKind::Enemy ? QBrush(MarkFill(Mark::Edited)) : QVariant();
    case Qt::ToolTipRole:
        if (refused)
            return ToQString(pending->refusal().value_or(Refusal{}).message());
        if (edited && column.kind != ColumnKind::Enemy) {
            EnemyTable stored = table_;
            stored.records[static_cast<std::size_t>(index.row())] = pending->base;
            return tr("Not written yet; the image holds %1")
                .arg(DisplayText(column, index.row(), stored));
        }
        return {};
    default:
        return {};
    }
}

QVariant EnemyTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::DisplayRole:
        return ColumnTitle(columnAt(section));
    case Qt::ToolTipRole:
        return ColumnHelp(columnAt(section));
    default:
        return {};
    }
}

Qt::ItemFlags EnemyTableModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return IsEditable(columnAt(index.column())) ? flags | Qt::ItemIsEditable : flags;
}

std::optional<Refusal> EnemyTableModel::refusalFor(const QModelIndex &index, const QString &text) const
{
    const TableCell cell = cellAt(index);
    const auto checked =
        WithCellText(session_.pendingOrStored(cell.enemy), *cell.column->cell, ToModelText(text));
    if (const auto *refusal = std::get_if<Refusal>(&checked))
        return *refusal;
    return std::nullopt;
}

std::optional<ListEntry> EnemyTableModel::longListAt(const QModelIndex &index) const
{
    const Column &column = columnAt(index.column());
    const auto list = column.kind == ColumnKind::Field ? LongListOf(column.field()) : std::nullopt;
    if (!list)
        return std::nullopt;
    const FieldLayout &layout = LayoutOf(column.field());
    const int plus1 = layout.encoding == Encoding::ListPositionPlus1 ? 1 : 0;
    const int position = static_cast<int>(table_.records[std::size_t(index.row())].value(column.field())) - plus1;
    if (position < 0 || position >= session_.labels().count(*list))
        return std::nullopt;
    return ListEntry{*list, position};
}

std::vector<std::pair<QString, int>> EnemyTableModel::choices(const QModelIndex &index) const
{
    const Column &column = columnAt(index.column());
    return IsChoiceColumn(column) ? ListChoices(column.field(), index.row(), table_)
                                  : std::vector<std::pair<QString, int>>{};
}

bool EnemyTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || !IsEditable(columnAt(index.column())))
        return false;
    const TableCell cell = cellAt(index);
    const auto edits = SetCells({{cell, ToModelText(value.toString())}},
                                [this](int enemy) { return session_.pendingOrStored(enemy); });
    const auto *records = std::get_if<std::map<int, PendingRecord>>(&edits);
    if (!records)
        return false;
    session_.editPending(*records, tr("Edit %1").arg(CellName(cell)));
    return true;
}

} // namespace mobwright

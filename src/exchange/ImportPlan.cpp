#include "ImportPlan.h"

#include "Counted.h"
#include "QtText.h"
#include "TableExport.h"
#include "TableGeometry.h"

#include "HexText.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <map>

namespace mobwright {
namespace {

// This file's texts, as translators see them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ImportPlan)
};

Refusal HeaderRefusal(const QString &column, std::string why)
{
    return {.row = 1, .column = column.toStdString(), .accepted = std::move(why)};
}

// The header's columns, or the refusals of columns nobody knows.
std::variant<std::vector<const Column *>, RefusalList> HeaderColumns(const QStringList &header)
{
    std::vector<const Column *> columns;
    RefusalList refusals;
    for (const QString &name : header) {
        const Column *column = FindColumn(name);
        if (!column)
            refusals.add(HeaderRefusal(name, "not a column this editor knows; the columns "
                                             "are those an export writes"));
        else if (std::find(columns.begin(), columns.end(), column) != columns.end())
            refusals.add(HeaderRefusal(name, "the column is given twice"));
        columns.push_back(column);
    }
    if (!header.contains(ENEMY_COLUMN))
        refusals.add(
            HeaderRefusal(ENEMY_COLUMN, "this column is needed to say which enemy a row is"));
    if (!refusals.empty())
        return refusals;
    return columns;
}

// The enemy a row names, read as any number cell is read: "+1" and " 001 "
// are enemy 1, as "+100" and " 100 " are 100 hit points.
std::optional<int> EnemyIndex(const QString &cell)
{
    const auto number = ParseByteText(ToModelText(cell));
    if (!number || *number < 1 || *number > ENEMY_COUNT)
        return std::nullopt;
    return static_cast<int>(*number) - 1;
}

Refusal InRow(int row, const QString &column, Refusal refusal)
{
    refusal.row = row;
    refusal.column = column.toStdString();
    return refusal;
}

// The record a row gives, with every refusal of its cells added to refusals.
EnemyRecord RecordFromRow(const std::vector<const Column *> &columns, const QStringList &row,
                          int rowNumber, const EnemyRecord &before, const EntryNaming &naming,
                          RefusalList &refusals)
{
    EnemyRecord record = before;
    const QString *name = nullptr;
    const QString *nameBytes = nullptr;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const Column &column = *columns[c];
        const QString &cell = row[static_cast<qsizetype>(c)];
        if (cell.isNull())
            continue;
        if (column.kind == ColumnKind::Field && column.field() == Field::Name)
            name = &cell;
        else if (column.kind == ColumnKind::NameBytes)
            nameBytes = &cell;
        else if (const auto error = StoreCell(column, cell, record, naming))
            refusals.add(InRow(rowNumber, column.name, *error));
    }
    if (auto error = StoreName(name, nameBytes, record)) {
        error->row = rowNumber;
        refusals.add(*error);
    }
    return record;
}

// A cell as a person reads it: a list field's value with its label.
QString ReadableCell(const Column &column, int index, const EnemyTable &table)
{
    const QString text = CellText(column, index, table);
    const Column *label = FindColumn(column.name + QStringLiteral(" label"));
    const QString labelText = label ? CellText(*label, index, table).simplified() : QString();
    return labelText.isEmpty() ? text : QStringLiteral("%1 (%2)").arg(text, labelText);
}

// Whether a column may read otherwise after the change: what it shows
// comes from its own bytes, and for an argument from its action's too.
bool MayDiffer(const Column &column, const RecordWrite &change)
{
    const auto differ = [&change](auto bytesOf) {
        return !std::ranges::equal(bytesOf(change.before), bytesOf(change.after));
    };
    switch (column.kind) {
    case ColumnKind::Byte:
        return differ([&column](const EnemyRecord &record) { return record.bytes(column.cell->offset(), 1); });
    case ColumnKind::NameBytes:
        return differ([](const EnemyRecord &record) { return record.bytes(Field::Name); });
    case ColumnKind::Field:
        return ArgumentSlot(column.field()) ||
               differ([&column](const EnemyRecord &record) { return record.bytes(column.field()); });
    case ColumnKind::Label:
    case ColumnKind::Enemy: break;
    }
    return false;
}

// The cells that differ, compared as values before any is rendered; after
// keeps the labels of before, so that the arguments of enemy calls name the
// enemies as they were.
void AddCellChanges(std::vector<CellChange> &cells, const RecordWrite &change,
                    const EnemyTable &before, const EnemyTable &after)
{
    bool nameTold = false;
    for (const Column &column : TableColumns()) {
        if (!MayDiffer(column, change))
            continue;
        QString old = ReadableCell(column, change.index, before);
        QString now = ReadableCell(column, change.index, after);
        // Name bytes that the name's text does not show are told by themselves.
        if (column.kind == ColumnKind::NameBytes) {
            if (nameTold)
                continue;
            old = QString::fromStdString(HexText(change.before.bytes(Field::Name)));
            now = QString::fromStdString(HexText(change.after.bytes(Field::Name)));
        }
        if (old == now)
            continue;
        cells.push_back({change.index, before.labels.value(change.index), column.name, old, now});
        nameTold = nameTold || (column.kind == ColumnKind::Field && column.field() == Field::Name);
    }
}

} // namespace

std::variant<ImportPlan, RefusalList> PlanImport(const TextTable &text, const EnemyTable &table)
{
    auto header = HeaderColumns(text.header);
    if (auto *refusals = std::get_if<RefusalList>(&header))
        return std::move(*refusals);
    const auto &columns = std::get<std::vector<const Column *>>(header);
    const auto enemyColumn = text.header.indexOf(ENEMY_COLUMN);

    const EntryNaming naming = NamingOf(table);
    RefusalList refusals;
    std::map<int, int> rowOfEnemy;
    ImportPlan plan;
    for (std::size_t r = 0; r < text.rows.size(); ++r) {
        const QStringList &row = text.rows[r];
        const int rowNumber = text.rowNumbers[r];
        const auto refuseEnemy = [&](std::string accepted) {
            refusals.add({.row = rowNumber,
                          .column = ENEMY_COLUMN.toStdString(),
                          .text = ToModelText(row[enemyColumn]),
                          .accepted = std::move(accepted)});
        };
        const std::optional<int> index = EnemyIndex(row[enemyColumn]);
        if (!index) {
            refuseEnemy("an enemy's number from 1 to " + std::to_string(ENEMY_COUNT) +
                        ", such as 001");
            continue;
        }
        if (const auto [it, fresh] = rowOfEnemy.emplace(*index, rowNumber); !fresh) {
            refuseEnemy("each enemy once; row " + std::to_string(it->second) +
                        " gives this enemy already");
            continue;
        }
        const EnemyRecord &before = table.records[static_cast<std::size_t>(*index)];
        const std::size_t refusedBefore = refusals.size();
        const EnemyRecord record = RecordFromRow(columns, row, rowNumber, before, naming, refusals);
        if (refusals.size() == refusedBefore && !(record == before))
            plan.records.push_back({*index, before, record});
    }
    if (!refusals.empty())
        return refusals;
    std::sort(plan.records.begin(), plan.records.end(),
              [](const RecordWrite &a, const RecordWrite &b) { return a.index < b.index; });
    plan.cells = ChangedCells(plan.records, table);
    for (CellChange &cell : plan.cells) {
        const Column &column = *FindColumn(cell.column);
        const RecordWrite &write =
            *std::ranges::find(plan.records, cell.index, &RecordWrite::index);
        cell.unlisted =
            column.kind == ColumnKind::Field &&
            std::ranges::count(UnlistedFields(write.before, write.after), column.field()) > 0;
    }
    return plan;
}

std::vector<CellChange> ChangedCells(const std::vector<RecordWrite> &writes, const EnemyTable &table)
{
    EnemyTable after(table);
    for (const RecordWrite &change : writes)
        after.records[static_cast<std::size_t>(change.index)] = change.after;
    std::vector<CellChange> cells;
    for (const RecordWrite &change : writes)
        AddCellChanges(cells, change, table, after);
    return cells;
}

PlannedImport PlanImportFrom(QIODevice &input, const QString &name, const FileFormat &format,
                             const EnemyTable &table)
{
    const auto unreadable = [&name, &input] {
        return UnreadableFile{Text::tr("Cannot read %1: %2").arg(name, input.errorString())};
    };
    const auto tooLarge = [] {
        return RefusalList({.accepted = "over " + std::to_string(MAX_TABLE_FILE_SIZE >> 20) +
                                        " MiB, far more than any table of 230 enemies; not read"});
    };
    // A file's size is known before it is read; a pipe's only by reading.
    if (!input.isSequential() && input.size() > MAX_TABLE_FILE_SIZE)
        return tooLarge();
    QByteArray bytes;
    while (bytes.size() <= MAX_TABLE_FILE_SIZE) {
        const QByteArray chunk = input.read(MAX_TABLE_FILE_SIZE + 1 - bytes.size());
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    if (const auto *file = qobject_cast<QFileDevice *>(&input);
        file && file->error() != QFileDevice::NoError)
        return unreadable();
    if (bytes.size() > MAX_TABLE_FILE_SIZE)
        return tooLarge();
    TableRead read = format.readTable(bytes);
    bytes.clear();
    // Without rows read, such as in a file that is no array, there is nothing more to judge.
    if (read.table.rows.empty() && !read.refusals.empty())
        return std::move(read.refusals);
    auto planned = PlanImport(read.table, table);
    if (auto *refusals = std::get_if<RefusalList>(&planned))
        read.refusals.merge(*refusals);
    if (!read.refusals.empty())
        return std::move(read.refusals);
    return std::move(std::get<ImportPlan>(planned));
}

PlannedImport PlanImportOfFile(const QString &path, const FileFormat &format, const EnemyTable &table)
{
    QFile file(path);
    if (QFileInfo(path).isDir())
        return UnreadableFile{
            Text::tr("Cannot read %1: it is a folder, not a table file").arg(path)};
    if (!file.open(QIODevice::ReadOnly))
        return UnreadableFile{Text::tr("Cannot read %1: %2").arg(path, file.errorString())};
    return PlanImportFrom(file, path, format, table);
}

QStringList RefusalLines(const RefusalList &refusals)
{
    QStringList lines;
    for (const std::string &line : refusals.lines())
        lines.append(QString::fromStdString(line));
    return lines;
}

qsizetype ImportPlan::unlistedCount() const
{
    return std::ranges::count_if(cells, &CellChange::unlisted);
}

QStringList DescribeChanges(const ImportPlan &plan)
{
    QStringList lines;
    for (const CellChange &cell : plan.cells)
        lines.append(QStringLiteral("%1, %2: %3 -> %4")
                         .arg(cell.enemy, cell.column, cell.before, cell.after) +
                     (cell.unlisted ? Text::tr(" (no list names it)") : QString()));
    return lines;
}

QString UnlistedRefusal(const ImportPlan &plan, const QString &howToTake)
{
    return Text::tr("%1 would be written, and such values are taken only when asked for: %2.")
        .arg(Counted(plan.unlistedCount(), Noun::UnlistedValue), howToTake);
}

} // namespace mobwright

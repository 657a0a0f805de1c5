#include "TableColumns.h"

#include "FieldHelp.h"
#include "TableGeometry.h"

#include <QHash>

#include <string>


namespace mobwright {
namespace {

const FieldLayout *FieldStartingAt(int offset)
{
    for (const FieldLayout &layout : EnemyLayout) {
        if (layout.offset == offset)
            return &layout;
    }
    return nullptr;
}

std::vector<Column> BuildColumns()
{
    std::vector<Column> columns{{ColumnKind::Enemy, std::nullopt, ENEMY_COLUMN}};
    for (int offset = 0; offset < ENEMY_RECORD_SIZE;) {
        const FieldLayout *layout = FieldStartingAt(offset);
        if (!layout) {
            columns.push_back(
                {ColumnKind::Byte, UncoveredByte{offset}, QStringLiteral("Byte %1").arg(offset)});
            ++offset;
            continue;
        }
        const QString name = ColumnName(layout->field);
        columns.push_back({ColumnKind::Field, layout->field, name});
        if (IsList(layout->encoding))
            columns.push_back({ColumnKind::Label, layout->field, name + QStringLiteral(" label")});
        if (layout->encoding == Encoding::GameText)
            columns.push_back({ColumnKind::NameBytes, layout->field, name + QStringLiteral(" bytes")});
        offset += layout->width;
    }
    return columns;
}

} // namespace

bool Column::isNumeric() const
{
    if (kind == ColumnKind::Byte || kind == ColumnKind::Enemy)
        return true;
    if (kind != ColumnKind::Field)
        return false;
    const Encoding encoding = LayoutOf(field()).encoding;
    return encoding != Encoding::GameText && encoding != Encoding::TextAddress;
}

bool Column::takesNames() const
{
    return kind == ColumnKind::Field && IsChoice(LayoutOf(field()).encoding);
}

int Column::mostDigits() const
{
    if (kind == ColumnKind::Enemy || kind == ColumnKind::Byte)
        return 3; // 001 to 230, 0 to 255
    if (kind != ColumnKind::Field || LayoutOf(field()).encoding != Encoding::Number)
        return 0;
    const int bits = 8 * LayoutOf(field()).width; // at most 4 bytes
    return static_cast<int>(std::to_string((1ULL << bits) - 1).size());
}

const std::vector<Column> &TableColumns()
{
    static const std::vector<Column> columns = BuildColumns();
    return columns;
}

const Column *FindColumn(const QString &name)
{
    static const QHash<QString, const Column *> byName = [] {
        QHash<QString, const Column *> map;
        for (const Column &column : TableColumns())
            map.insert(column.name, &column);
        return map;
    }();
    return byName.value(name, nullptr);
}

const Column &ColumnOf(const RecordCell &cell)
{
    const auto &columns = TableColumns();
    return *std::ranges::find_if(columns, [&cell](const Column &column) {
        return (column.kind == ColumnKind::Field || column.kind == ColumnKind::Byte) && column.cell == cell;
    });
}

QString SqueezedName(const QString &name)
{
    return name.toCaseFolded().remove(u' ');
}

const Column *ColumnCalled(const QString &typed)
{
    const QString wanted = SqueezedName(typed);
    for (const Column &column : TableColumns()) {
        if (SqueezedName(column.name) == wanted || SqueezedName(ColumnTitle(column)) == wanted)
            return &column;
    }
    return nullptr;
}

QString ColumnTitle(const Column &column)
{
    switch (column.kind) {
    case ColumnKind::Field: return QString::fromUtf8(LayoutOf(column.field()).title.data(),
                                                     qsizetype(LayoutOf(column.field()).title.size()));
    case ColumnKind::Byte:
        if (const KnownByte *known = KnownByteAt(column.cell->offset()))
            return QString::fromUtf8(known->title.data(), qsizetype(known->title.size()));
        break;
    default: break;
    }
    return column.name;
}

QString ColumnHelp(const Column &column)
{
    switch (column.kind) {
    case ColumnKind::Byte:
        return column.name + QStringLiteral(" — ") + QString::fromStdString(ByteHelp(column.cell->offset()));
    case ColumnKind::Field:
        return column.name + QStringLiteral(" — ") + QString::fromStdString(FieldHelp(column.field()));
    default: return column.name;
    }
}

QString ColumnName(Field field)
{
    const std::string_view key = LayoutOf(field).key;
    return QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size()));
}

} // namespace mobwright

#include "TableColumns.h"

#include "FieldText.h"
#include "TableGeometry.h"

#include <QHash>


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
    std::vector<Column> columns{{ColumnKind::Enemy, Field::TheFlag, 0, ENEMY_COLUMN}};
    for (int offset = 0; offset < ENEMY_RECORD_SIZE;) {
        const FieldLayout *layout = FieldStartingAt(offset);
        if (!layout) {
            columns.push_back(
                {ColumnKind::Byte, Field::TheFlag, offset, QStringLiteral("Byte %1").arg(offset)});
            ++offset;
            continue;
        }
        const QString name = ColumnName(layout->field);
        columns.push_back({ColumnKind::Field, layout->field, 0, name});
        if (IsList(layout->encoding))
            columns.push_back(
                {ColumnKind::Label, layout->field, 0, name + QStringLiteral(" label")});
        if (layout->encoding == Encoding::GameText)
            columns.push_back(
                {ColumnKind::NameBytes, layout->field, 0, name + QStringLiteral(" bytes")});
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
    const Encoding encoding = LayoutOf(field).encoding;
    return encoding != Encoding::GameText && encoding != Encoding::TextAddress;
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

QString ColumnTitle(const Column &column)
{
    switch (column.kind) {
    case ColumnKind::Field: return QString::fromUtf8(LayoutOf(column.field).title.data(),
                                                     qsizetype(LayoutOf(column.field).title.size()));
    case ColumnKind::Byte:
        if (const KnownByte *known = KnownByteAt(column.offset))
            return QString::fromUtf8(known->title.data(), qsizetype(known->title.size()));
        break;
    default: break;
    }
    return column.name;
}

QString ColumnHelp(const Column &column)
{
    const auto text = [](std::string_view view) {
        return QString::fromUtf8(view.data(), qsizetype(view.size()));
    };
    if (column.kind == ColumnKind::Byte) {
        const KnownByte *known = KnownByteAt(column.offset);
        return QStringLiteral("%1: byte %2 of the record%3. A whole number from 0 to 255.")
            .arg(column.name, QString::number(column.offset),
                 known ? QStringLiteral(", ") + text(known->meaning) : QString());
    }
    if (column.kind != ColumnKind::Field)
        return column.name;
    const FieldLayout &layout = LayoutOf(column.field);
    const QString bytes = layout.width == 1
                              ? QStringLiteral("byte %1").arg(layout.offset)
                              : QStringLiteral("bytes %1–%2").arg(layout.offset).arg(layout.offset + layout.width - 1);
    QString accepted;
    switch (layout.encoding) {
    case Encoding::Number:
    case Encoding::TextAddress: accepted = text(AcceptedText(layout)); break;
    case Encoding::GameText:
        accepted = QStringLiteral("at most 25 letters, digits, blanks and ! $ ' , . ? |");
        break;
    case Encoding::Flag: accepted = QStringLiteral("0 (clear) or 1 (set)"); break;
    case Encoding::ListPosition:
    case Encoding::ListPositionPlus1:
        accepted = layout.list == ValueList::Argument
                       ? QStringLiteral("0 (no entry) or an entry of the list its action offers")
                       : QStringLiteral("an entry of its list, by number");
        break;
    }
    return QStringLiteral("%1: %2 of the record. Accepts %3.").arg(column.name, bytes, accepted);
}

QString ColumnName(Field field)
{
    const std::string_view key = LayoutOf(field).key;
    return QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size()));
}

} // namespace mobwright

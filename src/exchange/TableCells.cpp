#include "TableCells.h"

#include "GameText.h"
#include "EnemyForm.h"
#include "EnemyLabels.h"
#include "HexText.h"
#include "FieldText.h"
#include "QtText.h"

namespace mobwright {
namespace {

QString FromStd(const std::string &text)
{
    return QString::fromStdString(text);
}

bool NameTextGivesBytesBack(const EnemyRecord &record)
{
    const auto bytes = record.bytes(Field::Name);
    const auto field = GameText::Encode(GameText::Decode(bytes));
    return std::equal(field.begin(), field.end(), bytes.begin());
}

Refusal Refused(std::optional<Field> field, const QString &text, std::string accepted)
{
    return {.field = field, .text = ToModelText(text), .accepted = std::move(accepted)};
}

std::optional<Refusal> StoreByte(int offset, const QString &text, EnemyRecord &record)
{
    const auto value = ParseByteText(ToModelText(text));
    if (!value)
        return Refused(std::nullopt, text, ByteAcceptedText());
    record.bytes(offset, 1)[0] = *value;
    return std::nullopt;
}

// The 25 bytes that 50 hexadecimal digits give, or nothing.
std::optional<GameText::NameBytes> NameBytesOf(const QString &hex)
{
    const QByteArray raw = QByteArray::fromHex(hex.toLatin1());
    if (raw.size() != GameText::NAME_SIZE ||
        raw.toHex().toUpper() != hex.toUpper().toLatin1())
        return std::nullopt;
    GameText::NameBytes bytes;
    std::copy(raw.begin(), raw.end(), bytes.begin());
    return bytes;
}

std::optional<Refusal> StoreField(const FieldLayout &layout, const QString &text,
                                  EnemyRecord &record, const EntryNaming &naming)
{
    if (layout.encoding == Encoding::GameText)
        return std::nullopt; // StoreName, once the bytes are in
    if (IsChoice(layout.encoding)) {
        const auto value = ReadListValue(layout.field, record, ToModelText(text),
                                         {naming, NumberForm::Stored});
        if (const auto *refusal = std::get_if<Refusal>(&value))
            return *refusal;
        record.setValue(layout.field, std::get<std::uint32_t>(value));
        return std::nullopt;
    }
    const auto value = ParseFieldText(layout, ToModelText(text));
    if (!value)
        return Refused(layout.field, text, AcceptedText(layout));
    record.setValue(layout.field, *value);
    return std::nullopt;
}

} // namespace

EnemyTable::EnemyTable(std::vector<EnemyRecord> all)
    : records(std::move(all))
{
    for (std::size_t k = 0; k < records.size(); ++k)
        labels.append(FromStd(EnemyLabel(
            static_cast<int>(k), GameText::Decode(records[k].bytes(Field::Name)))));
}

QString CellText(const Column &column, int index, const EnemyTable &table)
{
    const EnemyRecord &record = table.records[static_cast<std::size_t>(index)];
    switch (column.kind) {
    case ColumnKind::Enemy:
        return FromStd(ZeroPadded(std::to_string(index + 1), 3));
    case ColumnKind::Label:
        return ListLabel(column.field(), index, table);
    case ColumnKind::Byte:
        return QString::number(record.bytes(column.cell->offset(), 1)[0]);
    case ColumnKind::NameBytes:
        return NameTextGivesBytesBack(record) ? QString()
                                              : FromStd(HexText(record.bytes(Field::Name)));
    case ColumnKind::Field:
        break;
    }
    const FieldLayout &layout = LayoutOf(column.field());
    switch (layout.encoding) {
    case Encoding::GameText:
        return FromStd(GameText::Decode(record.bytes(column.field())));
    case Encoding::TextAddress:
        return FromStd(FieldText(layout, record.bytes(column.field())));
    default:
        return QString::number(record.value(column.field()));
    }
}

EntryNaming NamingOf(const EnemyTable &table)
{
    return {table.longLabels,
            [&labels = table.labels](int enemy) { return ToModelText(labels.value(enemy)); }};
}

QString ListLabel(Field field, int index, const EnemyTable &table)
{
    const auto entry = StoredEntry(field, table.records[static_cast<std::size_t>(index)], NamingOf(table));
    return entry ? FromStd(entry->label) : QString();
}

QString EntryName(Field field, int index, const EnemyTable &table)
{
    const auto entry = StoredEntry(field, table.records[static_cast<std::size_t>(index)], NamingOf(table));
    return entry ? FromStd(entry->name) : QString();
}

std::vector<std::pair<QString, int>> ListChoices(Field field, int index, const EnemyTable &table)
{
    std::vector<std::pair<QString, int>> choices;
    if (LayoutOf(field).encoding == Encoding::ListPositionPlus1)
        choices.emplace_back(QStringLiteral("none"), 0);
    for (const OfferedEntry &entry :
         OfferedEntries(field, table.records[static_cast<std::size_t>(index)], NamingOf(table)))
        choices.emplace_back(FromStd(entry.name), static_cast<int>(entry.stored));
    return choices;
}

QString DisplayText(const Column &column, int index, const EnemyTable &table)
{
    if (column.kind != ColumnKind::Field || !IsChoice(LayoutOf(column.field()).encoding))
        return CellText(column, index, table);
    const Field field = column.field();
    const QString number =
        FromStd(EntryNumber(field, table.records[static_cast<std::size_t>(index)].value(field)));
    const QString name = EntryName(field, index, table);
    return name.isEmpty() ? number : number + QStringLiteral(" – ") + name;
}

std::optional<Refusal> StoreCell(const Column &column, const QString &text, EnemyRecord &record,
                                 const EntryNaming &naming)
{
    switch (column.kind) {
    case ColumnKind::Byte:
        return StoreByte(column.cell->offset(), text, record);
    case ColumnKind::Field:
        return StoreField(LayoutOf(column.field()), text, record, naming);
    default:
        return std::nullopt;
    }
}

std::optional<Refusal> StoreName(const QString *text, const QString *hex, EnemyRecord &record)
{
    const auto refuse = [](const Column &column, const QString &cell, std::string accepted) {
        Refusal refusal = Refused(Field::Name, cell, std::move(accepted));
        refusal.column = column.name.toStdString();
        return refusal;
    };
    const Column &nameColumn = *FindColumn(ColumnName(Field::Name));
    const auto field = record.bytes(Field::Name);
    if (hex && !hex->isEmpty()) {
        const auto bytes = NameBytesOf(*hex);
        if (!bytes)
            return refuse(*FindColumn(nameColumn.name + QStringLiteral(" bytes")), *hex,
                          "nothing, or exactly 50 hexadecimal digits (25 bytes)");
        const std::string shown = GameText::Decode(*bytes);
        if (text && !text->isEmpty() && ToModelText(*text) != shown)
            return refuse(nameColumn, *text,
                          "nothing, or the name that the \"Name bytes\" cell holds, \"" + shown +
                              "\": the two disagree");
        std::ranges::copy(*bytes, field.begin());
    } else if (text) {
        const std::string typed = ToModelText(*text);
        if (auto refusal = NameRefusal(typed)) {
            refusal->column = nameColumn.name.toStdString();
            return refusal;
        }
        std::ranges::copy(GameText::Encode(typed), field.begin());
    }
    return std::nullopt;
}

std::vector<Field> UnlistedFields(const EnemyRecord &before, const EnemyRecord &record)
{
    std::vector<Field> fields;
    for (const FieldLayout &layout : EnemyLayout) {
        if (IsChoice(layout.encoding) && record.value(layout.field) != before.value(layout.field) &&
            !ControlShowsStored(layout.field, record))
            fields.push_back(layout.field);
    }
    return fields;
}

} // namespace mobwright

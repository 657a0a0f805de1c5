#include "TableCells.h"

#include "GameText.h"
#include "EnemyForm.h"
#include "EnemyLabels.h"
#include "FieldEntries.h"
#include "HexText.h"
#include "FieldText.h"
#include "QtText.h"

#include <array>

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

// A long list's entry as the window names it, where the table has the names.
std::string LongLabel(const EnemyTable &table, ListEntry entry, std::string_view builtIn)
{
    return table.longLabels ? table.longLabels->label(entry) : std::string(builtIn);
}

// Where the entry at position of a field's list comes from while record is
// shown: an enemy (a call's argument), a long list's entry, or fixed text.
struct EntrySource
{
    std::optional<int> enemy;
    std::optional<ListEntry> entry;
    std::string_view builtIn;
};

EntrySource SourceOf(Field field, const EnemyRecord &record, int position)
{
    const auto at = static_cast<std::size_t>(position);
    if (LayoutOf(field).encoding == Encoding::Flag)
        return {std::nullopt, std::nullopt, FLAG_VALUES[at]};
    if (const auto slot = ArgumentSlot(field)) {
        switch (KindOfAction(record.value(ActionField(*slot))).value()) {
        case ActionKind::Normal: return {};
        case ActionKind::Psi: return {std::nullopt, std::nullopt, PsiArgumentLabels()[at]};
        case ActionKind::Call: return {position, std::nullopt, {}};
        case ActionKind::Item:
            return {std::nullopt, ListEntry{LongList::Item, position + 1}, ItemArgumentLabels()[at]};
        }
    }
    const auto list = LongListOf(field);
    return {std::nullopt, list ? std::optional(ListEntry{*list, position}) : std::nullopt,
            FixedEntries(field)[at]};
}

// The entry at position of the field's list while record is shown.
QString EntryAt(Field field, const EnemyRecord &record, const EnemyTable &table, int position)
{
    const EntrySource source = SourceOf(field, record, position);
    if (source.enemy)
        return table.labels.value(*source.enemy);
    return source.entry ? FromStd(LongLabel(table, *source.entry, source.builtIn))
                        : QString::fromUtf8(source.builtIn);
}

// The same entry's name, without the number its label carries.
QString EntryNameAt(Field field, const EnemyRecord &record, const EnemyTable &table, int position)
{
    const EntrySource source = SourceOf(field, record, position);
    if (source.enemy)
        return table.labels.value(*source.enemy).section(QStringLiteral(": "), 1);
    if (!source.entry)
        return QString::fromUtf8(source.builtIn);
    // Cut from the label as the list holds it, which is converted once.
    const std::string label = LongLabel(table, *source.entry, source.builtIn);
    return QString::fromUtf8(NameInLabel(source.entry->list, source.entry->position, label));
}

// The position a list field's stored value picks, if its control shows one.
std::optional<int> PositionOf(Field field, const EnemyRecord &record)
{
    const std::uint32_t stored = record.value(field);
    const bool plus1 = LayoutOf(field).encoding == Encoding::ListPositionPlus1;
    if ((plus1 && stored == 0) || !ControlShowsStored(field, record))
        return std::nullopt;
    return static_cast<int>(stored) - (plus1 ? 1 : 0);
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
                                  EnemyRecord &record)
{
    if (layout.encoding == Encoding::GameText)
        return std::nullopt; // StoreName, once the bytes are in
    FieldLayout asNumber = layout;
    asNumber.encoding =
        layout.encoding == Encoding::TextAddress ? Encoding::TextAddress : Encoding::Number;
    const auto value = ParseFieldText(asNumber, ToModelText(text));
    const bool isChoice =
        asNumber.encoding == Encoding::Number && layout.encoding != Encoding::Number;
    // Negative numbers are the window's way of typing large ones, not a list's.
    if (!value || (isChoice && text.trimmed().startsWith(u'-')))
        return Refused(layout.field, text,
                       isChoice ? ListAcceptedText(layout.field, record) : AcceptedText(asNumber));
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

QString ListLabel(Field field, int index, const EnemyTable &table)
{
    const EnemyRecord &record = table.records[static_cast<std::size_t>(index)];
    const auto position = PositionOf(field, record);
    return position ? EntryAt(field, record, table, *position).trimmed() : QString();
}

QString EntryName(Field field, int index, const EnemyTable &table)
{
    const EnemyRecord &record = table.records[static_cast<std::size_t>(index)];
    const auto position = PositionOf(field, record);
    return position ? EntryNameAt(field, record, table, *position).trimmed() : QString();
}

std::vector<std::pair<QString, int>> ListChoices(Field field, int index, const EnemyTable &table)
{
    const EnemyRecord &record = table.records[static_cast<std::size_t>(index)];
    const FieldLayout &layout = LayoutOf(field);
    const int plus1 = layout.encoding == Encoding::ListPositionPlus1 ? 1 : 0;
    std::vector<std::pair<QString, int>> choices;
    if (plus1)
        choices.emplace_back(QStringLiteral("none"), 0);
    const int count = layout.encoding == Encoding::Flag ? int(FLAG_VALUES.size()) : EntryCount(field, record);
    for (int position = 0; position < count; ++position) {
        choices.emplace_back(EntryNameAt(field, record, table, position).trimmed(), position + plus1);
    }
    return choices;
}

QString DisplayText(const Column &column, int index, const EnemyTable &table)
{
    const QString text = CellText(column, index, table);
    if (column.kind != ColumnKind::Field || !IsChoice(LayoutOf(column.field()).encoding))
        return text;
    const QString name = EntryName(column.field(), index, table);
    return name.isEmpty() ? text : text + QStringLiteral(" – ") + name;
}

std::optional<Refusal> StoreCell(const Column &column, const QString &text, EnemyRecord &record)
{
    switch (column.kind) {
    case ColumnKind::Byte:
        return StoreByte(column.cell->offset(), text, record);
    case ColumnKind::Field:
        return StoreField(LayoutOf(column.field()), text, record);
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

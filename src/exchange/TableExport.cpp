#include "TableExport.h"

namespace mobwright {
namespace {

QString SpreadsheetText(QString label)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!label.isEmpty() && formulaStarts.contains(label.front()))
        label.prepend(u'\'');
    return label;
}

} // namespace

TextTable ExportTable(const EnemyTable &table)
{
    TextTable text;
    const std::vector<Column> &columns = TableColumns();
    for (const Column &column : columns) {
        text.header.append(column.name);
        text.numeric.push_back(column.isNumeric());
    }
    text.rows.reserve(table.records.size());
    for (int k = 0; k < static_cast<int>(table.records.size()); ++k) {
        QStringList row;
        row.reserve(static_cast<qsizetype>(columns.size()));
        for (const Column &column : columns) {
            const QString cell = CellText(column, k, table);
            row.append(column.kind == ColumnKind::Label ? SpreadsheetText(cell) : cell);
        }
        text.addRow(std::move(row), k + 2);
    }
    return text;
}

TextTable ShownPart(const TextTable &table, const std::vector<int> &enemies,
                    const std::vector<const Column *> &columns)
{
    std::vector<qsizetype> kept;
    for (qsizetype c = 0; c < table.header.size(); ++c) {
        const Column *column = FindColumn(table.header[c]);
        const bool shown = std::any_of(columns.begin(), columns.end(), [column](const Column *wanted) {
            // A field's label and name bytes go with it.
            return wanted == column || (column->kind != ColumnKind::Enemy && wanted->kind == ColumnKind::Field &&
                                        column->cell == wanted->cell);
        });
        if (column->kind == ColumnKind::Enemy || shown)
            kept.push_back(c);
    }
    TextTable part;
    for (const qsizetype c : kept)
        part.header.append(table.header[c]);
    for (const int enemy : enemies) {
        QStringList row;
        for (const qsizetype c : kept)
            row.append(table.rows[static_cast<std::size_t>(enemy)][c]);
        part.rows.push_back(std::move(row));
    }
    return part;
}

} // namespace mobwright

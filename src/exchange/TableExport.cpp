#include "TableExport.h"

#include "CsvTable.h"
#include "JsonTable.h"

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

QByteArray WriteTable(const TextTable &table, TableFormat format)
{
    return format == TableFormat::Json ? WriteJson(table) : WriteCsv(table);
}

TableRead ReadTable(const QByteArray &bytes, TableFormat format)
{
    return format == TableFormat::Json ? ReadJson(bytes) : ReadCsv(bytes);
}

} // namespace mobwright

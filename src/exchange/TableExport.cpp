#include "TableExport.h"

#include "CsvTable.h"
#include "JsonTable.h"
#include "WholeFile.h"

namespace mobwright {

TextTable ExportTable(const EnemyTable &table)
{
    TextTable text;
    const std::vector<Column> &columns = TableColumns();
    for (const Column &column : columns)
        text.header.append(column.name);
    text.rows.reserve(table.records.size());
    for (int k = 0; k < static_cast<int>(table.records.size()); ++k) {
        QStringList row;
        row.reserve(static_cast<qsizetype>(columns.size()));
        for (const Column &column : columns)
            row.append(CellText(column, k, table));
        text.rows.push_back(std::move(row));
    }
    return text;
}

QByteArray WriteTable(const TextTable &table, TableFormat format)
{
    return format == TableFormat::Json ? WriteJson(table) : WriteCsv(table);
}

std::optional<QString> SaveTable(const TextTable &table, const QString &path, TableFormat format)
{
    return SaveWholeFile(path, WriteTable(table, format));
}

TableRead ReadTable(const QByteArray &bytes, TableFormat format)
{
    return format == TableFormat::Json ? ReadJson(bytes) : ReadCsv(bytes);
}

} // namespace mobwright

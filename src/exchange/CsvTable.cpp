#include "CsvTable.h"

#include <csv.h>

#include <memory>

namespace mobwright {
namespace {

bool NeedsQuotes(const QString &cell)
{
    for (const QChar c : cell) {
        if (c == u',' || c == u'"' || c == u'\r' || c == u'\n')
            return true;
    }
    return !cell.isEmpty() && (cell.front() == u' ' || cell.back() == u' ');
}

void AppendCell(QString &out, const QString &cell)
{
    if (!NeedsQuotes(cell)) {
        out += cell;
        return;
    }
    const QByteArray utf8 = cell.toUtf8();
    QByteArray quoted(utf8.size() * 2 + 2, Qt::Uninitialized);
    const std::size_t size = csv_write(quoted.data(), static_cast<std::size_t>(quoted.size()),
                                       utf8.constData(), static_cast<std::size_t>(utf8.size()));
    out += QString::fromUtf8(quoted.constData(), static_cast<qsizetype>(size));
}

void AppendRow(QString &out, const QStringList &cells)
{
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0)
            out += u',';
        AppendCell(out, cells[i]);
    }
    out += QStringLiteral("\r\n");
}

// Gathers the parser's cells into rows.
struct Reader
{
    std::vector<QStringList> rows;
    QStringList row;

    static void OnCell(void *data, std::size_t size, void *self)
    {
        static_cast<Reader *>(self)->row.append(
            QString::fromUtf8(static_cast<const char *>(data), static_cast<qsizetype>(size)));
    }
    static void OnRowEnd(int, void *self)
    {
        auto *reader = static_cast<Reader *>(self);
        reader->rows.push_back(std::move(reader->row));
        reader->row.clear();
    }
};

// The column by its header name, or by its number where the header has none.
Refusal Malformed(int row, const QStringList &header, qsizetype column, const QString &why)
{
    const QString name = column > 0 ? header.value(column - 1, QString::number(column)) : QString();
    return {.row = row, .column = name.toStdString(), .accepted = why.toStdString()};
}

} // namespace

QByteArray WriteCsv(const TextTable &table)
{
    // Built as text and converted once: far fewer allocations than cell by cell.
    QString out;
    out.reserve(static_cast<qsizetype>(table.header.size() * (table.rows.size() + 1) * 8));
    AppendRow(out, table.header);
    for (const QStringList &row : table.rows)
        AppendRow(out, row);
    return out.toUtf8();
}

TableRead ReadCsv(const QByteArray &bytes)
{
    csv_parser parser;
    csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI);
    // Blanks are part of a cell, as RFC 4180 has it: names may start or end with one.
    csv_set_space_func(&parser, [](unsigned char) { return 0; });
    const std::unique_ptr<csv_parser, void (*)(csv_parser *)> owner(&parser, csv_free);
    Reader reader;
    // Some spreadsheets start their UTF-8 with a byte order mark.
    const QByteArrayView text = QByteArrayView(bytes).startsWith("\xEF\xBB\xBF")
                                    ? QByteArrayView(bytes).sliced(3)
                                    : QByteArrayView(bytes);
    const auto size = static_cast<std::size_t>(text.size());
    const bool parsed =
        csv_parse(&parser, text.data(), size, Reader::OnCell, Reader::OnRowEnd, &reader) == size &&
        csv_fini(&parser, Reader::OnCell, Reader::OnRowEnd, &reader) == 0;
    const int rowNumber = static_cast<int>(reader.rows.size()) + 1;
    if (!parsed)
        return Malformed(rowNumber, reader.rows.empty() ? QStringList() : reader.rows.front(),
                         reader.row.size() + 1,
                         QStringLiteral("not well-formed CSV (%1): a quote must open "
                                        "a cell and be doubled inside it")
                             .arg(QString::fromLatin1(csv_strerror(csv_error(&parser)))));
    if (reader.rows.empty())
        return Malformed(0, {}, 0, QStringLiteral("no header row: the file is empty"));

    TextTable table;
    table.header = std::move(reader.rows.front());
    for (std::size_t r = 1; r < reader.rows.size(); ++r) {
        QStringList &row = reader.rows[r];
        if (row.size() != table.header.size())
            return Malformed(static_cast<int>(r) + 1, {}, 0,
                             QStringLiteral("has %1 cells where the header has %2")
                                 .arg(row.size())
                                 .arg(table.header.size()));
        table.rows.push_back(std::move(row));
    }
    return table;
}

} // namespace mobwright

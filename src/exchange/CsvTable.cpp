#include "CsvTable.h"

#include "TableColumns.h"
#include "TableGeometry.h"

#include <QCoreApplication>

#include <csv.h>

#include <algorithm>
#include <memory>

namespace mobwright {
namespace {

// This file's texts, as translators see them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(CsvTable)
};

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

// A header with more cells than this is no table of this editor's, which has
// about a hundred columns; reading stops there.
constexpr qsizetype MAX_HEADER_CELLS = 1000;
// An enemy's row is under a kilobyte; a row longer than this is no row of a
// table, and reading stops there, so that no cell fills the memory.
constexpr qsizetype MAX_ROW_BYTES = 1024 * 1024;
// The longest cell an import takes is a name's 50 hexadecimal digits; one
// longer than this is refused before any text is made of it.
constexpr std::size_t MAX_CELL_BYTES = 256;

// The column by its header name, or by its number where the header has none.
Refusal Malformed(int row, const QStringList &header, qsizetype column, const QString &why)
{
    const QString name = column > 0 ? header.value(column - 1, QString::number(column)) : QString();
    return {.row = row, .column = name.toStdString(), .accepted = why.toStdString()};
}

// Gathers the parser's cells into rows numbered by the line each begins on.
// A row is held only up to the cells it may have, so that no file can fill
// the memory with cells that are refused anyway.
struct Reader
{
    TextTable table;
    RefusalList refusals;
    std::vector<bool> ignored; // the columns an import ignores, such as labels
    QStringList row;
    bool cellsLeftOut = false;
    bool inRow = false;
    int rowLine = 0;
    qsizetype rowBytes = 0;
    bool stop = false;

    qsizetype cellLimit() const
    {
        return table.header.isEmpty() ? MAX_HEADER_CELLS : table.header.size();
    }
    void refuse(const QString &why) { refusals.add(Malformed(rowLine, {}, 0, why)); }

    static void OnCell(void *data, std::size_t size, void *self)
    {
        auto *reader = static_cast<Reader *>(self);
        if (reader->row.size() >= reader->cellLimit()) {
            reader->cellsLeftOut = true;
            return;
        }
        QStringList &row = reader->row;
        if (row.isEmpty())
            row.reserve(reader->cellLimit());
        // Empty cells, and those an import ignores, share one empty text:
        // they make no strings.
        static const QString empty = QStringLiteral("");
        const bool inHeader = reader->table.header.isEmpty();
        if (size == 0 || (!inHeader && reader->ignored[std::size_t(row.size())])) {
            row.append(empty);
        } else if (!inHeader && size > MAX_CELL_BYTES) {
            Refusal refusal = Malformed(
                reader->rowLine, reader->table.header, row.size() + 1,
                Text::tr("at most %1 bytes, far more than any cell of an enemy's row needs")
                    .arg(MAX_CELL_BYTES));
            refusal.text = std::string(static_cast<const char *>(data), MAX_CELL_BYTES);
            reader->refusals.add(std::move(refusal));
            row.append(QString()); // given no text, it is judged no further

        } else {
            row.append(
                QString::fromUtf8(static_cast<const char *>(data), static_cast<qsizetype>(size)));
        }
    }
    static void OnRowEnd(int, void *self) { static_cast<Reader *>(self)->endRow(); }

    void endRow()
    {
        inRow = false;
        if (stop)
            return;
        QStringList cells = std::exchange(row, {});
        const bool tooMany = std::exchange(cellsLeftOut, false);
        if (table.header.isEmpty()) {
            if (tooMany) {
                refuse(Text::tr("the header has more than %1 cells").arg(MAX_HEADER_CELLS));
                stop = true;
            }
            table.header = std::move(cells);
            for (const QString &name : table.header) {
                const Column *column = FindColumn(name);
                ignored.push_back(column && column->kind == ColumnKind::Label);
            }
            return;
        }
        // Spreadsheets may save rows of empty cells after the table.
        if (std::all_of(cells.begin(), cells.end(), [](const QString &c) { return c.isEmpty(); }))
            return;
        if (tooMany || cells.size() != table.header.size()) {
            refuse(Text::tr("has %1 cells where the header has %2")
                       .arg(tooMany ? QStringLiteral("more") : QString::number(cells.size()))
                       .arg(table.header.size()));
        } else if (table.rows.size() == ENEMY_COUNT) {
            refuse(Text::tr("a table has one row for each of the %1 enemies at most")
                       .arg(ENEMY_COUNT));
            stop = true;
        } else {
            table.addRow(std::move(cells), rowLine);
        }
    }
};

// The separator a spreadsheet saved with, from the header line: a comma, a
// semicolon or a tab, whichever comes first; a comma for a single column.
unsigned char SeparatorOf(QByteArrayView headerLine)
{
    for (const char c : headerLine) {
        if (c == ',' || c == ';' || c == '\t')
            return static_cast<unsigned char>(c);
    }
    return ',';
}

bool IsBlank(QByteArrayView line)
{
    return line.isEmpty() || line == "\r" || line == "\n" || line == "\r\n";
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
    // Some spreadsheets start their UTF-8 with a byte order mark.
    const QByteArrayView text = QByteArrayView(bytes).startsWith("\xEF\xBB\xBF")
                                    ? QByteArrayView(bytes).sliced(3)
                                    : QByteArrayView(bytes);
    // Lines end in LF or CR LF, or in CR alone in files of old Macs.
    const char end = text.contains('\n') || !text.contains('\r') ? '\n' : '\r';
    csv_parser parser;
    csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI);
    // Blanks are part of a cell, as RFC 4180 has it: names may start or end with one.
    csv_set_space_func(&parser, [](unsigned char) { return 0; });
    const qsizetype headerEnd = text.indexOf(end);
    csv_set_delim(&parser, SeparatorOf(headerEnd < 0 ? text : text.first(headerEnd)));
    const std::unique_ptr<csv_parser, void (*)(csv_parser *)> owner(&parser, csv_free);

    // Fed a line at a time, so that each row is known by the line it begins on.
    Reader reader;
    bool parsed = true;
    int line = 0;
    for (qsizetype at = 0; at < text.size() && parsed && !reader.stop;) {
        const qsizetype next = text.indexOf(end, at);
        const QByteArrayView lineText = text.sliced(at, (next < 0 ? text.size() : next + 1) - at);
        at += lineText.size();
        ++line;
        if (!reader.inRow && IsBlank(lineText))
            continue;
        if (!reader.inRow)
            reader.rowLine = line, reader.rowBytes = 0;
        reader.inRow = true;
        reader.rowBytes += lineText.size();
        if (reader.rowBytes > MAX_ROW_BYTES) {
            reader.refuse(Text::tr("over %1 MiB, far more than any enemy's row; the rest of the "
                                   "file is not read")
                              .arg(MAX_ROW_BYTES >> 20));
            reader.stop = true;
            break;
        }
        const auto size = static_cast<std::size_t>(lineText.size());
        parsed = csv_parse(&parser, lineText.data(), size, Reader::OnCell, Reader::OnRowEnd,
                           &reader) == size;
    }
    if (parsed && !reader.stop)
        parsed = csv_fini(&parser, Reader::OnCell, Reader::OnRowEnd, &reader) == 0;
    if (!parsed)
        reader.refusals.add(
            Malformed(reader.rowLine, reader.table.header, reader.row.size() + 1,
                      Text::tr("not well-formed CSV (%1): a quote must open a cell and be doubled "
                               "inside it")
                          .arg(QString::fromLatin1(csv_strerror(csv_error(&parser))))));
    else if (reader.table.header.isEmpty())
        reader.refusals.add(Malformed(0, {}, 0, Text::tr("no header row: the file is empty")));
    return {std::move(reader.table), std::move(reader.refusals)};
}

} // namespace mobwright

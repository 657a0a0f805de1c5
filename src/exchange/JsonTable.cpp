#include "JsonTable.h"

#include "TableCells.h"
#include "TableColumns.h"
#include "TableGeometry.h"

#include <QLocale>
#include <QStringDecoder>

// Whitespace and plain runs of strings are skipped 16 bytes at a time where
// the processor has SSE2, as every x86-64 one has.
#if defined(__SSE2__) && !defined(RAPIDJSON_SSE2)
#define RAPIDJSON_SSE2
#endif
#include <rapidjson/error/en.h>
#include <rapidjson/reader.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>
#include <unordered_map>

namespace mobwright {
namespace {

// JSON is written as text, as QJsonDocument::toJson(Indented) wrote it
// before: keys in sorted order, four spaces a level, the same escapes, and
// numbers as Qt writes a double, whole ones as integers.
void AppendEscaped(QByteArray &out, char c)
{
    static constexpr char Hex[] = "0123456789abcdef";
    switch (c) {
    case '"': out += "\\\""; break;
    case '\\': out += "\\\\"; break;
    case '\b': out += "\\b"; break;
    case '\f': out += "\\f"; break;
    case '\n': out += "\\n"; break;
    case '\r': out += "\\r"; break;
    case '\t': out += "\\t"; break;
    default:
        out += "\\u00";
        out += Hex[c >> 4];
        out += Hex[c & 0xf];
    }
}

// Runs of characters that need no escape are copied whole.
void AppendString(QByteArray &out, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    out += '"';
    qsizetype from = 0;
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        if (c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20) {
            out.append(utf8.constData() + from, i - from);
            AppendEscaped(out, c);
            from = i + 1;
        }
    }
    out.append(utf8.constData() + from, utf8.size() - from);
    out += '"';
}

// "0", "-12", "4294967295": what Qt writes for the value, digit for digit;
// longer ones may not be held exactly by the double Qt writes.
bool IsPlainInteger(const QString &cell)
{
    const qsizetype sign = cell.startsWith(u'-') ? 1 : 0;
    const qsizetype digits = cell.size() - sign;
    if (digits < 1 || digits > 15 || (cell[sign] == u'0' && (digits > 1 || sign)))
        return false;
    return std::all_of(cell.begin() + sign, cell.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

void AppendNumber(QByteArray &out, const QString &cell)
{
    if (IsPlainInteger(cell)) {
        out += cell.toLatin1();
        return;
    }
    const double value = cell.toDouble();
    if (!std::isfinite(value))
        out += "null";
    else if (std::trunc(value) == value && value >= -0x1p63 && value < 0x1p63)
        out += QByteArray::number(static_cast<qint64>(value));
    else
        out += QByteArray::number(value, 'g', QLocale::FloatingPointShortest);
}

// The columns in the order of their names.
std::vector<qsizetype> KeyOrder(const QStringList &header)
{
    std::vector<qsizetype> order(static_cast<std::size_t>(header.size()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&header](qsizetype a, qsizetype b) { return header[a] < header[b]; });
    return order;
}

// Text that is not UTF-8 is refused rather than mended.
std::optional<QString> FromUtf8(const char *text, std::size_t length)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = decoder(QByteArrayView(text, static_cast<qsizetype>(length)));
    if (decoder.hasError())
        return std::nullopt;
    return decoded;
}

// The number written from offset on.
QString NumberAt(QByteArrayView bytes, std::size_t offset)
{
    const QByteArrayView from = bytes.sliced(std::min<qsizetype>(qsizetype(offset), bytes.size()));
    qsizetype length = 0;
    while (length < from.size() && std::strchr("0123456789+-.eE", from[length]) && from[length])
        ++length;
    return QString::fromLatin1(from.first(length));
}

const QString IGNORED = QStringLiteral("");

// Reads a JSON array of objects as it is parsed, strictly: each key is a
// column an export writes and comes once in its object, each value has its
// column's type, and a number is kept as the text it is written in, so that
// the column's own check judges it without any conversion.
class RowReader
{
public:
    using Ch = char;
    using Size = rapidjson::SizeType;

    // copy: the bytes' copy that the reader parses in place.
    RowReader(QByteArrayView bytes, const char *copy)
        : bytes_(bytes)
        , copy_(copy)
    {
    }

    TableRead result()
    {
        if (row_ == 0 && refusals_.empty())
            refusals_.add({.accepted = "an empty array: each enemy to import is an object in it"});
        for (QStringList &row : table_.rows)
            row.resize(table_.header.size());
        return {std::move(table_), std::move(refusals_)};
    }

    bool Null() { return value(std::nullopt, "null"); }
    bool Bool(bool value) { return this->value(std::nullopt, value ? "true" : "false"); }
    // Numbers come as the text they are written in, whatever their size.
    bool RawNumber(const char *text, Size length, bool)
    {
        return value(QString::fromLatin1(text, qsizetype(length)), nullptr, true);
    }
    bool String(const char *text, Size length, bool)
    {
        // An import ignores labels: they need no text of their own.
        if (depth_ == 2 && column_ && column_->kind == ColumnKind::Label)
            return value(IGNORED);
        std::optional<QString> decoded = FromUtf8(text, length);
        return decoded ? value(std::move(decoded)) : notUtf8(text);
    }
    // Never called: numbers are read as text.
    bool Int(int) { return false; }
    bool Uint(unsigned) { return false; }
    bool Int64(std::int64_t) { return false; }
    bool Uint64(std::uint64_t) { return false; }
    bool Double(double) { return false; }

    bool StartObject()
    {
        if (depth_ == 1) {
            cells_ = QStringList(table_.header.size());
            std::fill(given_.begin(), given_.end(), false);
            next_ = 0;
            enemyRefused_ = false;
            column_ = nullptr;
            ++row_;
        } else if (!nested("an object")) {
            return false;
        }
        ++depth_;
        return true;
    }
    bool EndObject(Size)
    {
        if (--depth_ == 1) {
            if (table_.rows.size() == ENEMY_COUNT) {
                refusals_.add({.row = row_,
                               .accepted = "a table has one object for each of the " +
                                           std::to_string(ENEMY_COUNT) + " enemies at most"});
                stopped_ = true;
                return false;
            }
            // A row that does not say which enemy it is cannot be judged further.
            if (!enemyRefused_)
                table_.addRow(std::move(cells_), row_);
        }
        return true;
    }
    bool StartArray()
    {
        if (depth_ == 1)
            return outsideRow();
        if (depth_ > 1 && !nested("an array"))
            return false;
        ++depth_;
        return true;
    }
    bool EndArray(Size)
    {
        --depth_;
        return true;
    }
    bool Key(const char *text, Size length, bool)
    {
        key_.assign(text, length);
        column_ = nullptr;
        if (depth_ != 2)
            return true;
        const Slot *known = expectedSlot();
        if (!known) {
            auto found = slots_.find(key_);
            if (found == slots_.end()) {
                const std::optional<QString> name = FromUtf8(text, length);
                if (!name)
                    return notUtf8(text);
                found = slots_.emplace(key_, slotOf(*name)).first;
                byPlace_.push_back(&*found);
            }
            known = &found->second;
        }
        next_ = known->place + 1;
        const Slot slot = *known;
        if (!slot.column) {
            refuse("not a column this editor knows; the keys are the columns an export writes");
        } else if (given_[std::size_t(slot.index)]) {
            refuse("the key comes twice in this object");
        } else {
            given_[std::size_t(slot.index)] = true;
            column_ = slot.column;
            index_ = slot.index;
        }
        return true;
    }

    // The text is not JSON at the byte offset says, counted from 0.
    void syntaxError(std::size_t offset, const char *reason)
    {
        if (stopped_)
            return; // the reading was stopped, and said why
        const QByteArrayView read =
            bytes_.first(std::min<qsizetype>(static_cast<qsizetype>(offset) + 1, bytes_.size()));
        const qsizetype lineStart = read.lastIndexOf('\n') + 1;
        std::string why = reason;
        if (!why.empty() && why.back() == '.')
            why.pop_back();
        refusals_.add({.row = depth_ >= 2 ? row_ : 0,
                       .column = depth_ == 2 ? key_ : std::string(),
                       .accepted = "not well-formed JSON at line " +
                                   std::to_string(read.count('\n') + 1) + ", character " +
                                   std::to_string(read.size() - lineStart) + " (" + why + ")"});
    }

    // A number beyond any that a double holds is well-formed: it is out of
    // the column's range, as its own check says.
    void numberTooBig(const QString &number)
    {
        if (depth_ != 2 || !column_)
            return;
        EnemyRecord record;
        const auto judged = StoreCell(*column_, number, record);
        refuse(Refusal{.text = number.toStdString(),
                       .accepted = judged ? judged->accepted
                                          : "a number in the column's range, which this one "
                                            "is far out of"});
    }

private:
    // The string just read, which the reader left where it began.
    bool notUtf8(const char *text)
    {
        syntaxError(std::size_t(text - copy_) - 1, "a string that is not UTF-8");
        stopped_ = true;
        return false;
    }

    // A value outside a row's object: the whole file or a row is no object.
    // Reading stops there.
    bool outsideRow()
    {
        if (depth_ == 0)
            refusals_.add({.accepted = "not a JSON array of objects, one per enemy"});
        else
            refusals_.add({.row = ++row_, .accepted = "not a JSON object"});
        stopped_ = true;
        return false;
    }

    // An object or array that is a cell's value: refused, and read over.
    bool nested(const char *what)
    {
        if (depth_ == 0)
            return outsideRow();
        if (depth_ == 2 && column_)
            refuse(std::string("cannot be ") + what + ": a cell holds a number or a string");
        return true;
    }

    // A key's column and its place in the header, found once for every row:
    // a table repeats its keys 230 times.
    struct Slot
    {
        const Column *column = nullptr;
        qsizetype index = -1;
        std::size_t place = 0; // in byPlace_
    };
    // Rows give their keys in one order: the key after the one before, as
    // first read, is tried before the others.
    const Slot *expectedSlot() const
    {
        if (next_ < byPlace_.size() && byPlace_[next_]->first == key_)
            return &byPlace_[next_]->second;
        return nullptr;
    }
    Slot slotOf(const QString &name)
    {
        Slot slot{FindColumn(name), -1, byPlace_.size()};
        if (slot.column) {
            slot.index = table_.header.indexOf(slot.column->name);
            if (slot.index < 0) {
                table_.header.append(slot.column->name);
                slot.index = table_.header.size() - 1;
                given_.push_back(false);
            }
        }
        return slot;
    }

    // literal: how a value that is no cell is written, for the refusal.
    bool value(std::optional<QString> cell, const char *literal = nullptr, bool isNumber = false)
    {
        if (depth_ < 2)
            return outsideRow();
        if (depth_ > 2 || !column_)
            return true; // inside a value already refused
        // A list's entry may be named by a string too.
        if (!cell || (isNumber != column_->isNumeric() && !column_->takesNames())) {
            refuse(Refusal{.text = cell ? cell->toStdString() : literal,
                           .accepted = column_->takesNames() ? "a JSON number, or a string naming an entry"
                                       : column_->isNumeric() ? "a JSON number"
                                                              : "a JSON string"});
            return true;
        }
        if (cells_.size() <= index_)
            cells_.resize(index_ + 1);
        cells_[index_] = std::move(*cell);
        return true;
    }

    void refuse(const std::string &why) { refuse(Refusal{.accepted = why}); }
    void refuse(Refusal refusal)
    {
        refusal.row = row_;
        refusal.column = key_;
        refusals_.add(std::move(refusal));
        enemyRefused_ = enemyRefused_ || QString::fromUtf8(key_) == ENEMY_COLUMN;
    }

    TextTable table_;
    RefusalList refusals_;
    QStringList cells_;
    QByteArrayView bytes_;
    const char *copy_;
    std::unordered_map<std::string, Slot> slots_;
    std::vector<const std::pair<const std::string, Slot> *> byPlace_; // as first read
    std::size_t next_ = 0;                                           // place of the key expected next
    std::vector<bool> given_; // by header index, in the row being read
    std::string key_;
    const Column *column_ = nullptr;
    qsizetype index_ = 0; // column_'s in the header
    int depth_ = 0;
    int row_ = 0;
    bool enemyRefused_ = false;
    bool stopped_ = false; // by the reader, which said why
};

} // namespace

QByteArray WriteJson(const TextTable &table)
{
    const std::vector<qsizetype> order = KeyOrder(table.header);
    std::vector<QByteArray> keys;
    for (const qsizetype column : order) {
        QByteArray key = "        ";
        AppendString(key, table.header[column]);
        keys.push_back(key + ": ");
    }
    QByteArray out = "[\n";
    out.reserve(static_cast<qsizetype>(table.rows.size() * keys.size() * 32));
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        out += "    {\n";
        for (std::size_t k = 0; k < order.size(); ++k) {
            const qsizetype column = order[k];
            out += keys[k];
            if (column < std::ssize(table.numeric) && table.numeric[std::size_t(column)])
                AppendNumber(out, table.rows[r][column]);
            else
                AppendString(out, table.rows[r][column]);
            out += k + 1 < order.size() ? ",\n" : "\n";
        }
        out += r + 1 < table.rows.size() ? "    },\n" : "    }\n";
    }
    out += "]\n";
    return out;
}

TableRead ReadJson(const QByteArray &bytes)
{
    // Strings are checked for UTF-8 as they become cells, in one pass.
    constexpr unsigned FLAGS = rapidjson::kParseInsituFlag | rapidjson::kParseIterativeFlag |
                               rapidjson::kParseNumbersAsStringsFlag;
    // Parsed in place, strings need no copy of their own; the copy ends in
    // NULs, as the stream needs, 16 of them, so that the 16-byte reads that
    // skip whitespace stay within it.
    QByteArray copy(bytes.size() + 16, '\0');
    std::memcpy(copy.data(), bytes.constData(), std::size_t(bytes.size()));
    rapidjson::InsituStringStream stream(copy.data());
    RowReader rows(bytes, copy.constData());
    rapidjson::Reader reader;
    const rapidjson::ParseResult parsed = reader.Parse<FLAGS>(stream, rows);
    if (parsed.Code() == rapidjson::kParseErrorNumberTooBig)
        rows.numberTooBig(NumberAt(bytes, parsed.Offset()));
    else if (parsed.IsError())
        rows.syntaxError(parsed.Offset(), rapidjson::GetParseError_En(parsed.Code()));
    else if (stream.Tell() < std::size_t(bytes.size()))
        // The reader takes a NUL for the end of the text.
        rows.syntaxError(stream.Tell(), "a NUL character");
    return rows.result();
}

} // namespace mobwright

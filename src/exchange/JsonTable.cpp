#include "JsonTable.h"

#include "TableCells.h"
#include "TableColumns.h"
#include "TableGeometry.h"

#include <QLocale>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <unordered_map>

namespace mobwright {
namespace {

using Json = nlohmann::json;

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

QString FromUtf8(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The library's reason for a syntax error, without its prefix and without
// the text it last read, which may be long.
std::string SyntaxReason(const std::string &what)
{
    const std::size_t from = what.find(" - ");
    if (from == std::string::npos)
        return "a syntax error";
    return what.substr(from + 3, what.find("; last read", from) - from - 3);
}

// Reads a JSON array of objects as it is parsed, strictly: each key is a
// column an export writes and comes once in its object, each value has its
// column's type, and a number is kept as the text it is written in, so that
// the column's own check judges it without any conversion.
class RowReader : public nlohmann::json_sax<Json>
{
public:
    explicit RowReader(QByteArrayView bytes)
        : bytes_(bytes)
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

    bool null() override { return value(std::nullopt, "null"); }
    bool boolean(bool value) override { return this->value(std::nullopt, value ? "true" : "false"); }
    bool number_integer(number_integer_t value) override { return number(QString::number(value)); }
    bool number_unsigned(number_unsigned_t value) override { return number(QString::number(value)); }
    bool number_float(number_float_t, const string_t &text) override { return number(FromUtf8(text)); }
    bool string(string_t &text) override { return value(FromUtf8(text)); }
    bool binary(binary_t &) override { return false; } // no JSON text holds one

    bool start_object(std::size_t) override
    {
        if (depth_ == 1) {
            cells_ = QStringList(table_.header.size());
            std::fill(given_.begin(), given_.end(), false);
            enemyRefused_ = false;
            column_ = nullptr;
            ++row_;
        } else if (!nested("an object")) {
            return false;
        }
        ++depth_;
        return true;
    }
    bool end_object() override
    {
        if (--depth_ == 1) {
            if (table_.rows.size() == ENEMY_COUNT) {
                refusals_.add({.row = row_,
                               .accepted = "a table has one object for each of the " +
                                           std::to_string(ENEMY_COUNT) + " enemies at most"});
                return false;
            }
            // A row that does not say which enemy it is cannot be judged further.
            if (!enemyRefused_)
                table_.addRow(std::move(cells_), row_);
        }
        return true;
    }
    bool start_array(std::size_t) override
    {
        if (depth_ == 1)
            return outsideRow();
        if (depth_ > 1 && !nested("an array"))
            return false;
        ++depth_;
        return true;
    }
    bool end_array() override
    {
        --depth_;
        return true;
    }
    bool key(string_t &name) override
    {
        key_ = name;
        column_ = nullptr;
        if (depth_ != 2)
            return true;
        const Slot slot = slotOf(name);
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

    bool parse_error(std::size_t position, const std::string &token,
                     const nlohmann::detail::exception &error) override
    {
        // A number beyond any that a double holds is well-formed: it is out
        // of the column's range, as its own check says.
        constexpr int NUMBER_OVERFLOW = 406;
        if (error.id == NUMBER_OVERFLOW && depth_ == 2 && column_) {
            EnemyRecord record;
            const auto judged = StoreCell(*column_, FromUtf8(token), record);
            refuse(Refusal{.text = token,
                           .accepted = judged ? judged->accepted
                                              : "a number in the column's range, which this one "
                                                "is far out of"});
            return false;
        }
        const QByteArrayView read =
            bytes_.first(std::min<qsizetype>(static_cast<qsizetype>(position), bytes_.size()));
        const qsizetype lineStart = read.lastIndexOf('\n') + 1;
        refusals_.add({.row = depth_ >= 2 ? row_ : 0,
                       .column = depth_ == 2 ? key_ : std::string(),
                       .accepted = "not well-formed JSON at line " +
                                   std::to_string(read.count('\n') + 1) + ", character " +
                                   std::to_string(read.size() - lineStart) + " (" +
                                   SyntaxReason(error.what()) + ")"});
        return false;
    }

private:
    // A value outside a row's object: the whole file or a row is no object.
    // Reading stops there.
    bool outsideRow()
    {
        if (depth_ == 0)
            refusals_.add({.accepted = "not a JSON array of objects, one per enemy"});
        else
            refusals_.add({.row = ++row_, .accepted = "not a JSON object"});
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
    };
    Slot slotOf(const std::string &name)
    {
        const auto known = slots_.find(name);
        if (known != slots_.end())
            return known->second;
        Slot slot{FindColumn(FromUtf8(name)), -1};
        if (slot.column) {
            slot.index = table_.header.indexOf(slot.column->name);
            if (slot.index < 0) {
                table_.header.append(slot.column->name);
                slot.index = table_.header.size() - 1;
                given_.push_back(false);
            }
        }
        return slots_.emplace(name, slot).first->second;
    }

    bool number(QString text) { return value(std::move(text), nullptr, true); }

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
        enemyRefused_ = enemyRefused_ || FromUtf8(key_) == ENEMY_COLUMN;
    }

    QByteArrayView bytes_;
    TextTable table_;
    RefusalList refusals_;
    QStringList cells_;
    std::unordered_map<std::string, Slot> slots_;
    std::vector<bool> given_; // by header index, in the row being read
    std::string key_;
    const Column *column_ = nullptr;
    qsizetype index_ = 0; // column_'s in the header
    int depth_ = 0;
    int row_ = 0;
    bool enemyRefused_ = false;
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
    RowReader reader(bytes);
    Json::sax_parse(bytes.begin(), bytes.end(), &reader);
    return reader.result();
}

} // namespace mobwright

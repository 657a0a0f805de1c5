#include "RowFilter.h"

#include "QtText.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <utility>

namespace mobwright {
namespace {

// The column a term starts with, and the rest of the term; the longest
// name wins, so that "Action 1" is not read as "Action" and "1".
std::pair<const Column *, QString> LeadingColumn(const QString &term)
{
    const QString squeezed = SqueezedName(term);
    const Column *best = nullptr;
    qsizetype bestLength = 0;
    for (const Column &column : TableColumns()) {
        for (const QString &name : {column.name, ColumnTitle(column)}) {
            const QString key = SqueezedName(name);
            if (key.size() > bestLength && squeezed.startsWith(key)) {
                best = &column;
                bestLength = key.size();
            }
        }
    }
    if (!best)
        return {nullptr, term};
    // Walk the original text past as many letters as the squeezed name holds.
    qsizetype at = 0;
    for (qsizetype taken = 0; at < term.size() && taken < bestLength; ++at) {
        if (term[at] != u' ')
            ++taken;
    }
    return {best, term.mid(at).trimmed()};
}

struct Piece
{
    QString text;
    qsizetype start; // in the whole filter's text
};

bool IsWordAnd(const QString &text, qsizetype at)
{
    return QStringView(text).mid(at, 3).compare(u"and", Qt::CaseInsensitive) == 0 &&
           (at == 0 || text[at - 1].isSpace()) && (at + 3 >= text.size() || text[at + 3].isSpace());
}

// The terms of a filter, each with where it starts: ",", ";" and the word
// "and" join terms where they stand outside double quotes.
std::vector<Piece> Pieces(const QString &text)
{
    std::vector<Piece> pieces;
    qsizetype from = 0;
    const auto cut = [&](qsizetype end) {
        const QString piece = text.mid(from, end - from);
        const QString term = piece.trimmed();
        if (!term.isEmpty())
            pieces.push_back({term, from + piece.indexOf(term.front())});
    };
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'"')
            quoted = !quoted;
        if (quoted)
            continue;
        const qsizetype joint = text[i] == u',' || text[i] == u';' ? 1 : IsWordAnd(text, i) ? 3 : 0;
        if (joint > 0) {
            cut(i);
            from = i + joint;
            i += joint - 1;
        }
    }
    cut(text.size());
    return pieces;
}

// A term's values, joined by "|" outside double quotes, without their
// quotes; nothing when a quote is left open.
std::optional<QStringList> Values(const QString &text, bool &quoted)
{
    QStringList values;
    QString value;
    bool open = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (open && c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
            value += c;
            ++i;
        } else if (c == u'"') {
            open = !open;
            quoted = true;
        } else if (c == u'|' && !open) {
            values.append(value.trimmed());
            value.clear();
        } else {
            value += c;
        }
    }
    if (open)
        return std::nullopt;
    values.append(value.trimmed());
    return values;
}

bool IsNumber(const QString &text, double *value)
{
    bool ok = false;
    *value = text.toDouble(&ok);
    return ok;
}

Refusal Reason(QString why)
{
    return {.accepted = ToModelText(why)};
}

// Why a list's entry cannot be read from a value, as a filter tells it.
Refusal ListReason(const QString &list, const Refusal &refusal)
{
    return Reason(list + QStringLiteral(" takes ") + ToQString(refusal.accepted));
}

// The stored value that text names in a list field, if it names one.
std::optional<std::uint32_t> ListValue(Field field, const EnemyRecord &record, const QString &text,
                                       const EntryNaming &naming, Refusal *refusal = nullptr)
{
    const auto read = ReadListValue(field, record, ToModelText(text), {naming, NumberForm::Listed});
    if (const auto *value = std::get_if<std::uint32_t>(&read))
        return *value;
    if (refusal)
        *refusal = std::get<Refusal>(read);
    return std::nullopt;
}

QString Folded(const QString &text)
{
    return text.simplified().replace(u'–', u'-').toCaseFolded();
}

} // namespace

Checked<RowFilter> RowFilter::parse(const QString &text)
{
    return parse(text, EnemyTable{});
}

Checked<RowFilter> RowFilter::parse(const QString &text, const EnemyTable &table)
{
    RowFilter filter;
    const EntryNaming naming = NamingOf(table);
    // Converted as every text typed is, so that half of a character pair
    // finds nothing rather than the emoji it is half of.
    const QString typed = ToQString(ToModelText(text));
    for (const Piece &piece : Pieces(typed)) {
        auto term = parseTerm(piece.text, naming);
        if (auto *refusal = std::get_if<Refusal>(&term)) {
            refusal->place = ToModelText(QStringLiteral("The term \"%1\" (characters %2–%3)")
                                             .arg(piece.text)
                                             .arg(piece.start + 1)
                                             .arg(piece.start + piece.text.size()));
            return *refusal;
        }
        filter.terms_.push_back(std::get<Term>(std::move(term)));
    }
    return filter;
}

Checked<RowFilter::Term> RowFilter::parseTerm(const QString &text, const EntryNaming &naming)
{
    static const QRegularExpression uses(QStringLiteral("^uses\\s+(\\S+)\\s*(.*)$"),
                                         QRegularExpression::CaseInsensitiveOption);
    if (const auto match = uses.match(text); match.hasMatch()) {
        static constexpr std::array<const char *, LONG_LISTS.size()> Lists{"action", "music", "inside",
                                                                           "outside", "item"};
        const QString word = match.captured(1).toLower();
        const auto found = std::find_if(Lists.begin(), Lists.end(),
                                        [&word](const char *list) { return word.startsWith(QLatin1String(list)); });
        if (found == Lists.end() || match.captured(2).isEmpty())
            return Reason(QStringLiteral("\"uses\" takes a list (action, music, inside, outside or item) "
                                         "and an entry of it, as in uses action 100 or uses music 5B"));
        Term term{nullptr, Op::Uses, {match.captured(2)}};
        term.list = LONG_LISTS[std::size_t(found - Lists.begin())];
        Refusal refusal;
        const auto value = ListValue(FieldOf(term.list), EnemyRecord{}, match.captured(2), naming, &refusal);
        if (!value)
            return ListReason(QStringLiteral("the %1 list").arg(word), refusal);
        term.low = *value;
        return term;
    }
    // Text that compares nothing finds enemies by number or name.
    static const QRegularExpression comparing(QStringLiteral("[=<>~]|\\.\\."));
    if (!text.contains(comparing))
        return Term{nullptr, Op::Contains, {text}};
    const auto [column, rest] = LeadingColumn(text);
    if (!column)
        return Reason(QStringLiteral("\"%1\" is not a column; a term names a column by its header or "
                                     "key, as in HP > 40000, Type = Insect, Name ~ bat or Level 10..20")
                          .arg(text.left(text.indexOf(comparing)).trimmed()));
    return parseComparison(*column, rest, naming);
}

Checked<RowFilter::Term> RowFilter::parseComparison(const Column &column, const QString &rest,
                                                    const EntryNaming &naming)
{
    const QString title = ColumnTitle(column);
    const bool isList = column.takesNames();
    const bool rowDecides = isList && ArgumentSlot(column.field());
    // A value as a number: a list's as the list numbers its entries.
    const auto number = [&](const QString &value, double *read) {
        if (!isList)
            return column.isNumeric() && IsNumber(value, read);
        const auto stored = ListValue(column.field(), EnemyRecord{}, value, naming);
        *read = stored.value_or(0);
        return stored.has_value();
    };
    static const QRegularExpression range(QStringLiteral("^(.+?)\\s*\\.\\.\\s*(.+)$"));
    if (const auto match = range.match(rest); match.hasMatch()) {
        Term term{&column, Op::Range, {rest}};
        if (!number(match.captured(1), &term.low) || !number(match.captured(2), &term.high))
            return Reason(column.isNumeric()
                              ? QStringLiteral("a range takes two numbers, such as 10..20")
                              : QStringLiteral("a range takes two numbers, and %1 holds text").arg(title));
        return term;
    }
    static constexpr std::array<std::pair<const char *, Op>, 9> Ops{{
        {"!=", Op::NotEqual}, {"<>", Op::NotEqual}, {"<=", Op::LessOrEqual},
        {">=", Op::GreaterOrEqual}, {"==", Op::Equal}, {"=", Op::Equal},
        {"<", Op::Less}, {">", Op::Greater}, {"~", Op::Contains},
    }};
    const auto op = std::find_if(Ops.begin(), Ops.end(), [&rest](const auto &symbol) {
        return rest.startsWith(QLatin1String(symbol.first));
    });
    if (op == Ops.end())
        return Reason(QStringLiteral("after %1 comes a comparison (= != < <= > >= or ~ for \"contains\") "
                                     "and a value, or a range such as 10..20")
                          .arg(title));
    Term term{&column, op->second};
    const QString valueText = rest.mid(qsizetype(std::strlen(op->first))).trimmed();
    const auto values = Values(valueText, term.quoted);
    if (!values)
        return Reason(QStringLiteral("a double quote is left open"));
    term.values = *values;
    if (valueText.isEmpty() || (!term.quoted && term.values.contains(QString())))
        return Reason(QStringLiteral("a value is missing after \"%1\"").arg(QLatin1String(op->first)));
    const bool several = term.op == Op::Equal || term.op == Op::NotEqual || term.op == Op::Contains;
    if (term.values.size() > 1 && !several)
        return Reason(QStringLiteral("only =, != and ~ take several values joined by |"));
    if (term.op == Op::Contains || term.quoted || rowDecides || !(isList || column.isNumeric()))
        return term;
    for (const QString &value : term.values) {
        double read = 0;
        Refusal refusal;
        if (isList) {
            const auto stored = ListValue(column.field(), EnemyRecord{}, value, naming, &refusal);
            if (!stored)
                return ListReason(title, refusal);
            read = *stored;
        } else if (!IsNumber(value, &read)) {
            return Reason(QStringLiteral("%1 holds numbers, and \"%2\" is not one").arg(title, value));
        }
        term.numbers.push_back(read);
    }
    return term;
}

bool RowFilter::matches(int index, const EnemyTable &table) const
{
    for (const Term &term : terms_) {
        if (!meets(term, index, table))
            return false;
    }
    return true;
}

namespace {

bool Holds(int order, bool equal, bool less, bool greater)
{
    return (order == 0 && equal) || (order < 0 && less) || (order > 0 && greater);
}

// Whether a comparison holds for the orders of a cell against each value:
// any of them, or for "!=" none.
template <typename Op> bool Compared(Op op, const std::vector<int> &orders)
{
    const auto holds = [op](int order) {
        switch (op) {
        case Op::Equal: return order == 0;
        case Op::NotEqual: return order == 0;
        case Op::Less: return Holds(order, false, true, false);
        case Op::LessOrEqual: return Holds(order, true, true, false);
        case Op::Greater: return Holds(order, false, false, true);
        case Op::GreaterOrEqual: return Holds(order, true, false, true);
        default: return false;
        }
    };
    const bool any = std::any_of(orders.begin(), orders.end(), holds);
    return op == Op::NotEqual ? !any : any;
}

template <typename T> int Order(T a, T b)
{
    return a < b ? -1 : a > b ? 1 : 0;
}

} // namespace

bool RowFilter::meets(const Term &term, int index, const EnemyTable &table)
{
    const EnemyRecord &record = table.records[static_cast<std::size_t>(index)];
    if (term.op == Op::Uses) {
        return std::any_of(EnemyLayout.begin(), EnemyLayout.end(), [&](const FieldLayout &layout) {
            return LongListOf(layout.field) == term.list && record.value(layout.field) == term.low;
        });
    }
    if (!term.column)
        return table.labels.value(index).contains(term.values.front(), Qt::CaseInsensitive);
    if (term.column->takesNames() && !term.quoted && term.op != Op::Contains)
        return meetsList(term, index, table);
    const QString cell = DisplayText(*term.column, index, table);
    if (term.op == Op::Contains)
        return std::any_of(term.values.begin(), term.values.end(), [&cell](const QString &value) {
            return cell.contains(value, Qt::CaseInsensitive);
        });
    double stored = 0;
    const bool numeric = term.column->isNumeric() && IsNumber(cell, &stored);
    if (term.op == Op::Range)
        return numeric && stored >= term.low && stored <= term.high;
    std::vector<int> orders;
    if (term.quoted && term.column->takesNames()) {
        // As the cell reads: its number and name, its name, or its label.
        const QStringList readings{cell, EntryName(term.column->field(), index, table),
                                   ListLabel(term.column->field(), index, table)};
        for (const QString &value : term.values) {
            const bool same = std::any_of(readings.begin(), readings.end(), [&value](const QString &reading) {
                return Folded(reading) == Folded(value);
            });
            orders.push_back(same ? 0 : 1);
        }
    } else if (numeric && !term.numbers.empty()) {
        for (const double wanted : term.numbers)
            orders.push_back(Order(stored, wanted));
    } else {
        for (const QString &value : term.values)
            orders.push_back(cell.trimmed().compare(value, Qt::CaseInsensitive));
    }
    return Compared(term.op, orders);
}

// A list cell against its entries' stored values; an argument's values are
// read for the row, whose action decides its list.
bool RowFilter::meetsList(const Term &term, int index, const EnemyTable &table)
{
    const EnemyRecord &record = table.records[static_cast<std::size_t>(index)];
    const double stored = record.value(term.column->field());
    if (term.op == Op::Range)
        return stored >= term.low && stored <= term.high;
    std::vector<int> orders;
    if (!term.numbers.empty()) {
        for (const double wanted : term.numbers)
            orders.push_back(Order(stored, wanted));
    } else {
        const EntryNaming naming = NamingOf(table);
        for (const QString &value : term.values) {
            const auto wanted = ListValue(term.column->field(), record, value, naming);
            if (wanted)
                orders.push_back(Order(stored, double(*wanted)));
            else if (term.op == Op::NotEqual)
                orders.push_back(1);
        }
    }
    return Compared(term.op, orders);
}

} // namespace mobwright

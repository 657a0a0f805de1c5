#include "RowFilter.h"

#include "QtText.h"

#include <QRegularExpression>

#include <array>
#include <cstring>
#include <utility>

namespace mobwright {
namespace {

QString Squeezed(const QString &name)
{
    return name.toCaseFolded().remove(u' ');
}

// The column a term starts with, and the rest of the term; the longest
// name wins, so that "Action 1" is not read as "Action" and "1".
std::pair<const Column *, QString> LeadingColumn(const QString &term)
{
    const QString squeezed = Squeezed(term);
    const Column *best = nullptr;
    qsizetype bestLength = 0;
    for (const Column &column : TableColumns()) {
        for (const QString &name : {column.name, ColumnTitle(column)}) {
            const QString key = Squeezed(name);
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

bool IsNumber(const QString &text, double *value)
{
    bool ok = false;
    *value = text.toDouble(&ok);
    return ok;
}

} // namespace

Checked<RowFilter> RowFilter::parse(const QString &text)
{
    RowFilter filter;
    static const QRegularExpression joins(QStringLiteral("\\s*(?:,|;|\\band\\b)\\s*"),
                                          QRegularExpression::CaseInsensitiveOption);
    // Converted as every text typed is, so that half of a character pair
    // finds nothing rather than the emoji it is half of.
    const QString typed = ToQString(ToModelText(text));
    for (const QString &part : typed.split(joins, Qt::SkipEmptyParts)) {
        auto term = parseTerm(part.trimmed());
        if (auto *refusal = std::get_if<Refusal>(&term))
            return *refusal;
        filter.terms_.push_back(std::get<Term>(std::move(term)));
    }
    return filter;
}

Checked<RowFilter::Term> RowFilter::parseTerm(const QString &text)
{
    static const QRegularExpression uses(
        QStringLiteral("^uses\\s+(action|music|inside|outside|item)\\w*\\s+(\\d+)$"),
        QRegularExpression::CaseInsensitiveOption);
    if (const auto match = uses.match(text); match.hasMatch()) {
        static const QStringList lists{"action", "music", "inside", "outside", "item"};
        Term term{nullptr, Op::Uses, text, match.captured(2).toDouble()};
        term.list = LONG_LISTS[std::size_t(lists.indexOf(match.captured(1).toLower()))];
        return term;
    }
    const auto [column, rest] = LeadingColumn(text);
    if (!column || rest.isEmpty())
        return Term{nullptr, Op::Contains, text};
    static const QRegularExpression range(QStringLiteral("^(-?[\\d.]+)\\s*\\.\\.\\s*(-?[\\d.]+)$"));
    if (const auto match = range.match(rest); match.hasMatch()) {
        Term term{column, Op::Range, rest, match.captured(1).toDouble(), match.captured(2).toDouble()};
        return term;
    }
    static constexpr std::array<std::pair<const char *, Op>, 9> Ops{{
        {"!=", Op::NotEqual}, {"<>", Op::NotEqual}, {"<=", Op::LessOrEqual},
        {">=", Op::GreaterOrEqual}, {"==", Op::Equal}, {"=", Op::Equal},
        {"<", Op::Less}, {">", Op::Greater}, {"~", Op::Contains},
    }};
    for (const auto &[symbol, op] : Ops) {
        if (!rest.startsWith(QLatin1String(symbol)))
            continue;
        const QString value = rest.mid(qsizetype(std::strlen(symbol))).trimmed();
        if (value.isEmpty())
            break;
        return Term{column, op, value};
    }
    return Refusal{.text = ToModelText(text),
                   .accepted = "a column, a comparison (= != < <= > >= or ~ for \"contains\") and "
                               "a value, such as HP > 40000, Type = Insect or Name ~ bat; or a "
                               "range such as Level 10..20"};
}

bool RowFilter::matches(int index, const EnemyTable &table) const
{
    for (const Term &term : terms_) {
        if (!meets(term, index, table))
            return false;
    }
    return true;
}

bool RowFilter::meets(const Term &term, int index, const EnemyTable &table)
{
    if (term.op == Op::Uses) {
        const EnemyRecord &record = table.records[static_cast<std::size_t>(index)];
        return std::any_of(EnemyLayout.begin(), EnemyLayout.end(), [&](const FieldLayout &layout) {
            return LongListOf(layout.field) == term.list && record.value(layout.field) == term.low;
        });
    }
    if (!term.column)
        return table.labels.value(index).contains(term.value, Qt::CaseInsensitive);
    const QString cell = CellText(*term.column, index, table);
    double stored = 0;
    double wanted = 0;
    const bool numeric = term.column->isNumeric() && IsNumber(cell, &stored);
    if (term.op == Op::Range)
        return numeric && stored >= term.low && stored <= term.high;
    // A list's entry may be named instead of numbered.
    const bool isList = term.column->kind == ColumnKind::Field &&
                        IsChoice(LayoutOf(term.column->field()).encoding);
    const QString name = isList ? EntryName(term.column->field(), index, table) : QString();
    if (term.op == Op::Contains)
        return cell.contains(term.value, Qt::CaseInsensitive) ||
               name.contains(term.value, Qt::CaseInsensitive);
    int order = 0;
    if (numeric && IsNumber(term.value, &wanted))
        order = stored < wanted ? -1 : stored > wanted ? 1 : 0;
    else if (isList && !IsNumber(term.value, &wanted))
        order = name.compare(term.value, Qt::CaseInsensitive);
    else
        order = cell.compare(term.value, Qt::CaseInsensitive);
    switch (term.op) {
    case Op::Equal: return order == 0;
    case Op::NotEqual: return order != 0;
    case Op::Less: return order < 0;
    case Op::LessOrEqual: return order <= 0;
    case Op::Greater: return order > 0;
    case Op::GreaterOrEqual: return order >= 0;
    default: return false;
    }
}

} // namespace mobwright

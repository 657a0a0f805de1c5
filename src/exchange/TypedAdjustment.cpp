#include "TypedAdjustment.h"

#include <QLocale>

#include <optional>

namespace mobwright {
namespace {

// A number in the C locale's notation or the user's own; with a last "%",
// the fraction it names.
std::optional<double> Number(QString text)
{
    text = text.trimmed();
    const bool percent = text.endsWith(u'%');
    if (percent)
        text.chop(1);
    bool ok = false;
    double value = 0;
    for (QLocale locale : {QLocale::c(), QLocale()}) {
        locale.setNumberOptions(QLocale::RejectGroupSeparator);
        value = locale.toDouble(text.trimmed(), &ok);
        if (ok)
            break;
    }
    if (!ok)
        return std::nullopt;
    return percent ? value / 100 : value;
}

} // namespace

Adjustment ReadAdjustment(const QString &typed, Adjustment::Operation chosen, bool clamp)
{
    using enum Adjustment::Operation;
    const QString text = typed.trimmed();
    const Adjustment formula{Formula, 0, clamp, text.startsWith(u'=') ? text.mid(1).trimmed() : text};
    if (chosen == Formula || text.isEmpty())
        return formula;
    // "+10%" and "-10%" raise and lower by a part, as a spreadsheet user says it.
    const bool percent = text.endsWith(u'%');
    const auto rest = Number(text.mid(1));
    switch (rest ? text.front().unicode() : 0) {
    case u'×':
    case u'x':
    case u'X':
    case u'*':
        return {MultiplyBy, *rest, clamp, {}};
    case u'÷':
    case u'/':
        return {MultiplyBy, 1 / *rest, clamp, {}};
    case u'+':
        return {percent ? MultiplyBy : Add, percent ? 1 + *rest : *rest, clamp, {}};
    case u'-':
    case u'−':
        return {percent ? MultiplyBy : Add, percent ? 1 - *rest : -*rest, clamp, {}};
    case u'=':
        return {SetTo, *rest, clamp, {}};
    default:
        break;
    }
    const auto value = Number(text);
    return value ? Adjustment{chosen, *value, clamp, {}} : formula;
}

} // namespace mobwright

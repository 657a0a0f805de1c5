#include "SavedFilters.h"

#include "QtText.h"

#include <algorithm>

namespace mobwright {
namespace {

template <typename Filters> auto Find(Filters &filters, const QString &name)
{
    return std::find_if(filters.begin(), filters.end(), [&name](const auto &filter) {
        return filter.first.compare(name.trimmed(), Qt::CaseInsensitive) == 0;
    });
}

} // namespace

SavedFilters::SavedFilters(const QStringList &stored)
{
    for (qsizetype k = 0; k + 1 < stored.size(); k += 2)
        save(stored[k], stored[k + 1]);
}

QStringList SavedFilters::stored() const
{
    QStringList stored;
    for (const auto &[name, text] : filters_)
        stored << name << text;
    return stored;
}


std::optional<Refusal> SavedFilters::save(const QString &name, const QString &text)
{
    if (name.trimmed().isEmpty())
        return Refusal{.text = ToModelText(text), .accepted = "a name to keep the filter under"};
    if (const auto found = Find(filters_, name); found != filters_.end())
        *found = {name.trimmed(), text};
    else
        filters_.emplace_back(name.trimmed(), text);
    return std::nullopt;
}

void SavedFilters::remove(const QString &name)
{
    if (const auto found = Find(filters_, name); found != filters_.end())
        filters_.erase(found);
}

std::optional<QString> SavedFilters::textOf(const QString &name) const
{
    const auto found = Find(filters_, name);
    return found == filters_.end() ? std::nullopt : std::optional(found->second);
}

} // namespace mobwright

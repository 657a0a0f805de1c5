#pragma once

#include "Refusal.h"

#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

namespace mobwright {

// Filters the user keeps under names of their own, in the order saved, to
// choose again; stored as a list of strings, name and text by turns.
class SavedFilters
{
public:
    SavedFilters() = default;
    // Those a list written by stored() holds; an odd last string is no filter.
    explicit SavedFilters(const QStringList &stored);
    QStringList stored() const;

    // Keeps text under name, in place of a filter of that name in any case;
    // an empty name is refused.
    std::optional<Refusal> save(const QString &name, const QString &text);
    void remove(const QString &name);
    // The text kept under name, in any case.
    std::optional<QString> textOf(const QString &name) const;
    const std::vector<std::pair<QString, QString>> &all() const { return filters_; }

private:
    std::vector<std::pair<QString, QString>> filters_;
};

} // namespace mobwright

#include "ActionKinds.h"

#include <array>
#include <stdexcept>

namespace mobwright {
namespace {

struct KindRun
{
    int count;
    ActionKind kind;
};

// The kinds of codes 0 to 318, as runs in code order.
constexpr std::array<KindRun, 20> KindRuns{{
    {10, ActionKind::Normal}, {52, ActionKind::Psi},    {2, ActionKind::Call},
    {76, ActionKind::Normal}, {1, ActionKind::Item},    {18, ActionKind::Normal},
    {42, ActionKind::Item},   {44, ActionKind::Normal}, {1, ActionKind::Call},
    {1, ActionKind::Normal},  {1, ActionKind::Item},    {10, ActionKind::Normal},
    {2, ActionKind::Item},    {8, ActionKind::Normal},  {5, ActionKind::Item},
    {8, ActionKind::Normal},  {9, ActionKind::Item},    {20, ActionKind::Normal},
    {2, ActionKind::Item},    {7, ActionKind::Normal},
}};

} // namespace

std::string_view KindName(ActionKind kind)
{
    switch (kind) {
    case ActionKind::Normal: return "TYPE_NORMAL";
    case ActionKind::Psi: return "TYPE_PSI";
    case ActionKind::Call: return "TYPE_CALL";
    case ActionKind::Item: return "TYPE_ITEM";
    }
    return {};
}

ActionKind KindOfCode(int code)
{
    if (code < 0 || code >= ACTION_COUNT)
        throw std::out_of_range("action code " + std::to_string(code) + " has no kind");
    for (const KindRun &run : KindRuns) {
        if (code < run.count)
            return run.kind;
        code -= run.count;
    }
    throw std::logic_error("the kind runs do not cover every action code");
}

void ActionKindTable::AppendActionKind(ActionKind kind)
{
    ActionKinds.push_back(kind);
}

void ActionKindTable::BuildActionKinds()
{
    ActionKinds.clear();
    for (int code = 0; code < ACTION_COUNT; ++code)
        AppendActionKind(KindOfCode(code));
}

std::optional<ActionKind> ActionKindTable::kindOf(int code) const
{
    if (code < 0 || code >= ActionKindCount())
        return std::nullopt;
    return ActionKinds[static_cast<std::size_t>(code)];
}

} // namespace mobwright

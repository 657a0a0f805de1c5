#include "ActionKinds.h"

#include <array>
#include <stdexcept>

namespace mobwright {
namespace {

struct KindRun
{
    std::uint32_t count;
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

std::optional<ActionKind> KindOfAction(std::uint32_t code)
{
    if (code >= ACTION_COUNT)
        return std::nullopt;
    for (const KindRun &run : KindRuns) {
        if (code < run.count)
            return run.kind;
        code -= run.count;
    }
    throw std::logic_error("the kind runs do not cover every action code");
}

} // namespace mobwright

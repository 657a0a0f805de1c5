#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace mobwright {

// Action codes run from 0 to 318; a code is also the action's position in
// every action list.
inline constexpr int ACTION_COUNT = 319;

// What an action's argument byte names.
enum class ActionKind { Normal, Psi, Call, Item };

// "TYPE_NORMAL", "TYPE_PSI", "TYPE_CALL" or "TYPE_ITEM".
std::string_view KindName(ActionKind kind);

// The kind of a valid action code, from the game's fixed table.
ActionKind KindOfCode(int code);

// The kind of every action code, as a table that is empty until built. It
// is the same table however often it is built: the kinds are fixed, not
// read from an image.
class ActionKindTable
{
public:
    void AppendActionKind(ActionKind kind);
    // Builds the table afresh: codes 0 to 318 in ascending order.
    void BuildActionKinds();

    std::int16_t ActionKindCount() const { return static_cast<std::int16_t>(ActionKinds.size()); }
    bool isBuilt() const { return ActionKindCount() == ACTION_COUNT; }
    // The kind of code, or nothing for a code outside the table.
    std::optional<ActionKind> kindOf(int code) const;

private:
    std::vector<ActionKind> ActionKinds;
};

} // namespace mobwright

#pragma once

#include <cstdint>
#include <optional>

namespace mobwright {

// Action codes run from 0 to 318; a code is also the action's position in
// every action list.
inline constexpr int ACTION_COUNT = 319;

// What an action's argument byte names.
enum class ActionKind { Normal, Psi, Call, Item };

// The kind of an action code, from the game's fixed table; nothing for a
// code past the last action.
std::optional<ActionKind> KindOfAction(std::uint32_t code);

} // namespace mobwright

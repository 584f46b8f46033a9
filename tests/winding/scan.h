#pragma once

#include <expected>
#include <optional>

#include "winding/winding.h"

// The winding's definition taken turn by turn, the yardstick for the search.
namespace winding::test {

// The inductance of a coil of `turns` turns in full layers of the winding
// length, with h and d0 as their captions show them; nothing if a step overflows.
std::optional<float> inductanceByDefinition(const Coil& coil, int turns);

// Counting up from one turn: the first coil that reaches the target, or
// Overflow if one overflows first, or Unreachable.
std::expected<int, Problem> scanTurns(const Coil& coil);

}  // namespace winding::test

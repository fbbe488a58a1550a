#pragma once

#include "rules/board.h"

#include <optional>

namespace kelmo {

// The cell where the computer places `mover`'s mark, by the fixed rule
// list: complete an own line, else block the opponent's line, else the
// centre, else `randomCell`, else the first free cell of 0 1 2 3 5 6 7 8.
// Nothing when no cell is empty.
std::optional<int> chooseCell(const Board &board, Mark mover, int randomCell);

} // namespace kelmo

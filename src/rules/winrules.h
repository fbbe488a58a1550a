#pragma once

#include "rules/board.h"

#include <optional>

namespace kelmo {

// The direction of the stroke drawn through a completed line.
enum class Stroke { Horizontal, Vertical, Falling, Rising };

struct Win {
    Mark mark;
    Line cells; // in the order they are struck
    Stroke stroke;
};

// The first completed line: every X line before any O line, each mark's
// lines in the order of kLines. Struck and empty cells never count.
std::optional<Win> findWin(const Board &board);

} // namespace kelmo

#pragma once

#include <array>

namespace kelmo {

// What one cell of the board holds, as the pure game logic sees it.
// A struck cell (part of a completed line) holds neither mark and is not empty.
enum class Mark { Empty, X, O, Struck };

// The nine cells, row by row from the top-left: 0 1 2 / 3 4 5 / 6 7 8.
using Board = std::array<Mark, 9>;

using Line = std::array<int, 3>;

// The eight lines in the one order that the win check and the computer
// player both follow: rows top to bottom, columns left to right, the
// falling diagonal, the rising diagonal.
inline constexpr std::array<Line, 8> kLines{{
    {0, 1, 2}, {3, 4, 5}, {6, 7, 8},
    {0, 3, 6}, {1, 4, 7}, {2, 5, 8},
    {0, 4, 8}, {2, 4, 6},
}};

constexpr Mark opponentOf(Mark mark)
{
    return mark == Mark::X ? Mark::O : Mark::X;
}

} // namespace kelmo

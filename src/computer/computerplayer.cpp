#include "computer/computerplayer.h"

namespace kelmo {

namespace {

// The empty cell of the first line (in kLines order) whose other two cells
// both hold `mark`. Within a line the cells are tried in ascending order.
std::optional<int> cellCompletingLineOf(const Board &board, Mark mark)
{
    for (const Line &line : kLines) {
        for (int k = 0; k < 3; ++k) {
            const int target = line[k];
            const int a = line[(k + 1) % 3];
            const int b = line[(k + 2) % 3];
            if (board[target] == Mark::Empty && board[a] == mark && board[b] == mark)
                return target;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<int> chooseCell(const Board &board, Mark mover, int randomCell)
{
    if (auto cell = cellCompletingLineOf(board, mover))
        return cell;
    if (auto cell = cellCompletingLineOf(board, opponentOf(mover)))
        return cell;

    constexpr int centre = 4;
    if (board[centre] == Mark::Empty)
        return centre;

    if (randomCell >= 0 && randomCell < 9 && board[randomCell] == Mark::Empty)
        return randomCell;

    for (int cell : {0, 1, 2, 3, 5, 6, 7, 8}) {
        if (board[cell] == Mark::Empty)
            return cell;
    }
    return std::nullopt;
}

} // namespace kelmo

#include "rules/winrules.h"

namespace kelmo {

namespace {

constexpr Stroke strokeOfLine(std::size_t lineIndex)
{
    if (lineIndex < 3)
        return Stroke::Horizontal;
    if (lineIndex < 6)
        return Stroke::Vertical;
    return lineIndex == 6 ? Stroke::Falling : Stroke::Rising;
}

} // namespace

std::optional<Win> findWin(const Board &board)
{
    for (Mark mark : {Mark::X, Mark::O}) {
        for (std::size_t i = 0; i < kLines.size(); ++i) {
            const Line &line = kLines[i];
            if (board[line[0]] == mark && board[line[1]] == mark && board[line[2]] == mark)
                return Win{mark, line, strokeOfLine(i)};
        }
    }
    return std::nullopt;
}

} // namespace kelmo

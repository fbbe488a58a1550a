#pragma once

#include "rules/board.h"

#include <QString>

// Boards written as nine characters, row by row: X, O, '.' empty, '#' struck.
inline kelmo::Board boardFromText(const QString &text)
{
    kelmo::Board board{};
    for (int i = 0; i < 9; ++i) {
        switch (text.at(i).toLatin1()) {
        case 'X': board[i] = kelmo::Mark::X; break;
        case 'O': board[i] = kelmo::Mark::O; break;
        case '#': board[i] = kelmo::Mark::Struck; break;
        default: board[i] = kelmo::Mark::Empty; break;
        }
    }
    return board;
}

inline QString textFromBoard(const kelmo::Board &board)
{
    QString text;
    for (kelmo::Mark mark : board) {
        switch (mark) {
        case kelmo::Mark::X: text += QLatin1Char('X'); break;
        case kelmo::Mark::O: text += QLatin1Char('O'); break;
        case kelmo::Mark::Struck: text += QLatin1Char('#'); break;
        case kelmo::Mark::Empty: text += QLatin1Char('.'); break;
        }
    }
    return text;
}

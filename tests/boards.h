#pragma once

// Boards written as nine characters, row by row from the top left: X, O,
// '.' for an empty cell and '#' for a struck one.

#include "game/boardcell.h"
#include "game/form1.h"

inline kelmo::Board boardFromText(const QString &text)
{
    kelmo::Board board{};
    for (int i = 0; i < 9; ++i)
        board[i] = kelmo::Mark(std::max<qsizetype>(0, QStringLiteral(".XO#").indexOf(text[i])));
    return board;
}

inline QString textFromBoard(const kelmo::Board &board)
{
    QString text;
    for (kelmo::Mark mark : board)
        text += QLatin1Char(".XO#"[int(mark)]);
    return text;
}

// Sets a window's cells from such a text: X and O show the holders' very
// pictures, '#' a strike picture.
inline void setBoard(Form1 &form, const QString &text)
{
    const Picture *pictures[] = {&form.PicEmpty, &form.X, &form.O, &form.Xrmlm};
    for (int i = 0; i < 9; ++i)
        form.Image1[i]->setPicture(pictures[int(boardFromText(text)[i])], text[i] == '.');
}

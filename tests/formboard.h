#pragma once

#include "game/boardcell.h"
#include "game/form1.h"

#include <QString>

// Sets a window's board from nine characters, row by row: X and O place the
// holders' own pictures, '#' a strike picture, anything else the empty one.
inline void setBoard(Form1 &form, const QString &text)
{
    for (int i = 0; i < 9; ++i) {
        const char c = text.at(i).toLatin1();
        form.Image1[i]->setPicture(c == 'X'   ? &form.X
                                   : c == 'O' ? &form.O
                                   : c == '#' ? &form.Xrmlm
                                              : &form.PicEmpty);
    }
}

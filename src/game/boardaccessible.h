#pragma once

class BoardArea;
class BoardCell;

// What a screen reader sees of the board: the client area holds the top
// status line, the board and the bottom status line; the board is a table
// of three rows of three cells, each named by its place and its mark
// ("Centre: X"). The cell with the keyboard's frame is the accessible
// focus whenever the board has the keyboard.
namespace boardaccessible {

// Makes the accessibility framework use the interfaces above; once is
// enough, more is harmless.
void install();

// Tells screen readers that `cell` now has the focus.
void focusMoved(BoardCell *cell);

} // namespace boardaccessible

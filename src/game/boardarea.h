#pragma once

#include <QWidget>

#include <array>

class BoardCell;

// The white client area that holds the board, and lets the keyboard play:
// the arrow keys move a focus frame over the cells, and Space, Enter or the
// digits 1 to 9 (reading order from the top left) choose a cell just as a
// click on it does.
class BoardArea : public QWidget
{
    Q_OBJECT

public:
    explicit BoardArea(QWidget *parent = nullptr);

    // The cells whose focus frame this area moves.
    void setCells(const std::array<BoardCell *, 9> &cells);
    BoardCell *cell(int index) const { return m_cells[index]; }

    int focusCell() const { return m_focusCell; }
    // Puts the focus on a cell that changed by no key or click of the
    // player's (the computer's or the opponent's mark), so that a screen
    // reader names it; the frame moves there when it shows.
    void follow(int index);
    // The frame shows once the keyboard has been used on the board.
    bool focusFrameShown() const;

signals:
    void cellChosen(int index);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void moveFocus(int index);
    void showFocusFrame();

    std::array<BoardCell *, 9> m_cells{};
    int m_focusCell = 4;
    bool m_keyboardUsed = false;
};

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
    // One thing a screen reader is told: a mark placed in `cell`, or a
    // result (`cell` -1).
    struct News {
        int cell;
        QString text;
    };
    // Tells a screen reader, through the focused cell, what a move changed:
    // "X, Centre. O, Top left." The focus stays where the player left it.
    // A mark in a cell the focus has just moved to, by a key, is left out:
    // the reader has just read that cell.
    void tell(const QList<News> &news);
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
    int m_justReadCell = -1; // where a key has just moved the focus
    bool m_keyboardUsed = false;
};

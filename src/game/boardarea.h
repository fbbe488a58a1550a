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
    static constexpr int kClientSize = 171;
    // Cells start 24 px in from the top-left corner and step by 40 px, so
    // neighbouring 42 px pictures overlap by 2 px, where the grid runs.
    static constexpr int kOrigin = 24;
    static constexpr int kStep = 40;
    static constexpr int kCellSize = 42;

    explicit BoardArea(QWidget *parent = nullptr);

    static QRect cellGeometry(int index);
    // The four 3 px grid lines, along the overlaps between the cells.
    static const std::array<QRect, 4> &gridLines();

    // The cells whose focus frame this area moves.
    void setCells(const std::array<BoardCell *, 9> &cells);
    BoardCell *cell(int index) const { return m_cells[index]; }

    int focusCell() const { return m_focusCell; }
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

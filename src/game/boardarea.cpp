#include "game/boardarea.h"

#include "game/boardaccessible.h"
#include "game/boardcell.h"
#include "toolkit/colours.h"

#include <QKeyEvent>

BoardArea::BoardArea(QWidget *parent)
    : QWidget(parent)
{
    makeWhiteArea(this);
    setFocusPolicy(Qt::StrongFocus);
    boardaccessible::install();
}

void BoardArea::setCells(const std::array<BoardCell *, 9> &cells)
{
    m_cells = cells;
}

bool BoardArea::focusFrameShown() const
{
    return m_keyboardUsed && hasFocus();
}

void BoardArea::moveFocus(int index)
{
    m_keyboardUsed = true;
    const bool moved = m_focusCell != index;
    m_focusCell = index;
    showFocusFrame();
    if (moved && hasFocus() && m_cells[index])
        boardaccessible::focusMoved(m_cells[index]);
}

void BoardArea::follow(int index)
{
    const bool keyboardUsed = m_keyboardUsed;
    moveFocus(index);
    m_keyboardUsed = keyboardUsed;
    showFocusFrame();
}

void BoardArea::showFocusFrame()
{
    for (BoardCell *cell : m_cells) {
        if (cell)
            cell->setFocusFrame(focusFrameShown() && cell->index() == m_focusCell);
    }
}

void BoardArea::keyPressEvent(QKeyEvent *event)
{
    const int row = m_focusCell / 3;
    const int column = m_focusCell % 3;
    const int key = event->key();
    if (key >= Qt::Key_1 && key <= Qt::Key_9) {
        moveFocus(key - Qt::Key_1);
        emit cellChosen(m_focusCell);
        return;
    }
    switch (key) {
    case Qt::Key_Left:
        moveFocus(row * 3 + std::max(0, column - 1));
        break;
    case Qt::Key_Right:
        moveFocus(row * 3 + std::min(2, column + 1));
        break;
    case Qt::Key_Up:
        moveFocus(std::max(0, row - 1) * 3 + column);
        break;
    case Qt::Key_Down:
        moveFocus(std::min(2, row + 1) * 3 + column);
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        moveFocus(m_focusCell);
        emit cellChosen(m_focusCell);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
}

void BoardArea::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    showFocusFrame();
    // For a screen reader, the focus is on the framed cell.
    if (m_cells[m_focusCell])
        boardaccessible::focusMoved(m_cells[m_focusCell]);
}

void BoardArea::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    showFocusFrame();
}

#include "game/boardarea.h"

#include "game/boardaccessible.h"
#include "game/boardcell.h"
#include "toolkit/colours.h"

#include <QKeyEvent>
#include <QTimer>

#include <utility>

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
    const int before = std::exchange(m_focusCell, index);
    showFocusFrame();
    if (before == index || !hasFocus())
        return;
    // The cell left behind gives up its news only once it has lost the
    // focus, so that a screen reader does not read the change.
    boardaccessible::focusMoved(m_cells[index]);
    m_cells[index]->setFocused(true);
    m_cells[before]->setFocused(false);
}

void BoardArea::tell(const QList<News> &news)
{
    QStringList told;
    for (const News &item : news) {
        if (item.cell < 0 || item.cell != m_justReadCell)
            told.append(item.text);
    }
    if (hasFocus())
        m_cells[m_focusCell]->tell(told.join(QLatin1Char(' ')));
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
        const int index = key - Qt::Key_1;
        const bool read = index != m_focusCell && hasFocus();
        moveFocus(index);
        m_justReadCell = read ? index : -1;
        emit cellChosen(index);
        m_justReadCell = -1;
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
    // For a screen reader, the focus is on the framed cell: said after the
    // toolkit has said that the area has it.
    if (!m_cells[m_focusCell])
        return;
    m_cells[m_focusCell]->setFocused(true);
    QTimer::singleShot(0, this, [this] {
        if (hasFocus())
            boardaccessible::focusMoved(m_cells[m_focusCell]);
    });
}

void BoardArea::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    showFocusFrame();
    if (m_cells[m_focusCell])
        m_cells[m_focusCell]->setFocused(false);
}

#include "game/boardarea.h"

#include <QKeyEvent>
#include <QPainter>

// The four grid lines, and the keyboard's focus frame, drawn over the cells.
// Mouse events go through it to the cells beneath.
class GridLines : public QWidget
{
public:
    explicit GridLines(BoardArea *area)
        : QWidget(area)
        , m_area(area)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, BoardArea::kClientSize, BoardArea::kClientSize);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        constexpr int width = 3;
        constexpr int length = 3 * BoardArea::kStep;
        QPainter painter(this);
        const QColor color = palette().color(QPalette::WindowText);
        for (int k = 1; k <= 2; ++k) {
            // Centred on the 2 px overlap between two cells.
            const int at = BoardArea::kOrigin + k * BoardArea::kStep - 1;
            painter.fillRect(at, BoardArea::kOrigin, width, length, color);
            painter.fillRect(BoardArea::kOrigin, at, length, width, color);
        }
        if (m_area->focusFrameShown()) {
            QPen pen(palette().color(QPalette::Highlight), 2, Qt::DashLine);
            painter.setPen(pen);
            painter.drawRect(QRectF(BoardArea::cellGeometry(m_area->focusCell())).adjusted(5, 5, -5, -5));
        }
    }

private:
    BoardArea *m_area;
};

BoardArea::BoardArea(QWidget *parent)
    : QWidget(parent)
    , m_overlay(new GridLines(this))
{
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Board"));
}

QRect BoardArea::cellGeometry(int index)
{
    return QRect(kOrigin + kStep * (index % 3), kOrigin + kStep * (index / 3), kCellSize, kCellSize);
}

bool BoardArea::focusFrameShown() const
{
    return m_keyboardUsed && hasFocus();
}

void BoardArea::raiseOverlay()
{
    m_overlay->raise();
}

void BoardArea::moveFocus(int index)
{
    m_keyboardUsed = true;
    m_focusCell = index;
    m_overlay->update();
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
    m_overlay->update();
}

void BoardArea::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    m_overlay->update();
}

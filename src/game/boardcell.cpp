#include "game/boardcell.h"

#include "game/toolkit.h"

#include <QMouseEvent>
#include <QPainter>

BoardCell::BoardCell(int index, QWidget *parent)
    : QWidget(parent)
    , m_index(index)
{
}

void BoardCell::setPicture(const Picture *picture)
{
    if (m_picture == picture)
        return;
    m_picture = picture;
    update();
}

void BoardCell::paintEvent(QPaintEvent *)
{
    if (!m_picture)
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture->pixmap());
}

void BoardCell::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void BoardCell::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(m_index);
}

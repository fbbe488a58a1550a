#include "game/boardcell.h"

#include "game/toolkit.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

const char *const kPlaces[9] = {
    QT_TRANSLATE_NOOP("BoardCell", "Top left"),    QT_TRANSLATE_NOOP("BoardCell", "Top centre"),
    QT_TRANSLATE_NOOP("BoardCell", "Top right"),   QT_TRANSLATE_NOOP("BoardCell", "Middle left"),
    QT_TRANSLATE_NOOP("BoardCell", "Centre"),      QT_TRANSLATE_NOOP("BoardCell", "Middle right"),
    QT_TRANSLATE_NOOP("BoardCell", "Bottom left"), QT_TRANSLATE_NOOP("BoardCell", "Bottom centre"),
    QT_TRANSLATE_NOOP("BoardCell", "Bottom right"),
};

} // namespace

BoardCell::BoardCell(int index, QWidget *parent)
    : QWidget(parent)
    , m_index(index)
{
    setAccessibleDescription(tr("Row %1, column %2. Press %3 to play here.")
                                 .arg(index / 3 + 1)
                                 .arg(index % 3 + 1)
                                 .arg(index + 1));
}

void BoardCell::setPicture(const Picture *picture)
{
    if (m_picture == picture)
        return;
    m_picture = picture;
    // What a screen reader says of the cell: "Centre: X".
    setAccessibleName(tr("%1: %2").arg(tr(kPlaces[m_index]), picture ? picture->description() : QString()));
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

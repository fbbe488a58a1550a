#include "game/boardcell.h"

#include "game/boardgeometry.h"
#include "toolkit/picture.h"

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
    // The picture covers the whole cell: nothing beneath needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardCell::setPicture(const Picture *picture, bool open)
{
    if (m_picture == picture)
        return;
    m_picture = picture;
    m_open = open;
    // What a screen reader says of the cell: "Centre: X".
    setSpoken(m_name, tr("%1: %2").arg(place(), picture ? picture->description() : QString()), QAccessible::NameChanged);
    // The focused cell keeps its news until the focus leaves it.
    if (!m_focused)
        describe();

    // The 2 px strips shared with a neighbour lie under a grid line and look
    // the same whatever the picture: leaving them out spares the neighbours
    // a repaint.
    const int row = m_index / 3;
    const int column = m_index % 3;
    constexpr int strip = boardgeometry::kCellSize - boardgeometry::kStep;
    update(rect().adjusted(column > 0 ? strip : 0, row > 0 ? strip : 0, column < 2 ? -strip : 0,
                           row < 2 ? -strip : 0));
}

QString BoardCell::place() const
{
    return tr(kPlaces[m_index]);
}

// Where the cell lies, and, while it is empty, how to play there.
void BoardCell::describe()
{
    const int row = m_index / 3 + 1;
    const int column = m_index % 3 + 1;
    const QString description = m_open ? tr("Row %1, column %2. Press %3 to play here.").arg(row).arg(column).arg(m_index + 1)
                                       : tr("Row %1, column %2.").arg(row).arg(column);
    setSpoken(m_description, description, QAccessible::DescriptionChanged);
}

void BoardCell::setFocused(bool focused)
{
    m_focused = focused;
    if (!focused)
        describe();
}

void BoardCell::tell(const QString &news)
{
    if (news.isEmpty())
        return;
    // The same news again, as in a new game, is told again too.
    if (news == m_description)
        m_description.clear();
    setSpoken(m_description, news, QAccessible::DescriptionChanged);
}

// Screen readers learn of a change once the cell is on screen: nothing
// reaches the accessibility bus before the window is shown.
void BoardCell::setSpoken(QString &spoken, const QString &text, QAccessible::Event change)
{
    if (spoken == text)
        return;
    spoken = text;
    if (isVisible()) {
        QAccessibleEvent event(this, change);
        QAccessible::updateAccessibility(&event);
    }
}

void BoardCell::setFocusFrame(bool shown)
{
    if (m_focusFrame == shown)
        return;
    m_focusFrame = shown;
    update();
}

void BoardCell::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_picture)
        painter.drawPixmap(0, 0, m_picture->pixmap());

    // The grid lines, in the board's coordinates: this cell lies where
    // cellGeometry says, however far the board is from the area's edge.
    const QPoint board = -boardgeometry::cellGeometry(m_index).topLeft();
    painter.translate(board);
    const QColor color = palette().color(QPalette::WindowText);
    for (const QRect &line : boardgeometry::gridLines())
        painter.fillRect(line, color);
    painter.translate(-board);

    if (m_focusFrame) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DashLine));
        painter.drawRect(QRectF(rect()).adjusted(5, 5, -5, -5));
    }
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

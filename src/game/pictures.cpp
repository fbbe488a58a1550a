#include "game/pictures.h"

#include <QPainter>

namespace pictures {

namespace {

const QColor kXColor(0, 0, 0);
const QColor kOColor(255, 0, 0);

QColor colorOf(kelmo::Mark mark)
{
    return mark == kelmo::Mark::O ? kOColor : kXColor;
}

// Paints a mark in a 42 x 42 logical box at the painter's origin.
void paintMark(QPainter &painter, kelmo::Mark mark)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (mark == kelmo::Mark::X) {
        // Two crossing strokes about 5 px thick over columns 11-30, rows 9-31.
        painter.setPen(QPen(kXColor, 5, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(11.5, 9.5), QPointF(30.5, 31.5));
        painter.drawLine(QPointF(30.5, 9.5), QPointF(11.5, 31.5));
    } else {
        // An upright ring about 4 px thick, 21 px wide and 23 px high.
        painter.setPen(QPen(kOColor, 4));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QRectF(12, 11, 17, 19));
    }
    painter.restore();
}

// Strokes run from edge to edge (corner to corner for the diagonals) so that
// the strokes of three struck cells join into one line across the board.
void paintStroke(QPainter &painter, kelmo::Mark mark, kelmo::Stroke stroke)
{
    painter.save();
    painter.setClipRect(QRect(0, 0, kSize, kSize));
    painter.setPen(QPen(colorOf(mark), 5, Qt::SolidLine, Qt::SquareCap));
    const qreal middle = kSize / 2.0 + 0.5;
    switch (stroke) {
    case kelmo::Stroke::Horizontal:
        painter.drawLine(QPointF(0, middle), QPointF(kSize, middle));
        break;
    case kelmo::Stroke::Vertical:
        painter.drawLine(QPointF(middle, 0), QPointF(middle, kSize));
        break;
    case kelmo::Stroke::Falling:
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawLine(QPointF(0, 0), QPointF(kSize, kSize));
        break;
    case kelmo::Stroke::Rising:
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawLine(QPointF(0, kSize), QPointF(kSize, 0));
        break;
    }
    painter.restore();
}

QPixmap whitePixmap(int logicalSize, qreal devicePixelRatio)
{
    const int side = qRound(logicalSize * devicePixelRatio);
    QPixmap pixmap(side, side);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::white);
    return pixmap;
}

} // namespace

QPixmap empty(qreal devicePixelRatio)
{
    return whitePixmap(kSize, devicePixelRatio);
}

QPixmap mark(kelmo::Mark mark, std::optional<kelmo::Stroke> stroke, qreal devicePixelRatio)
{
    QPixmap pixmap = whitePixmap(kSize, devicePixelRatio);
    QPainter painter(&pixmap);
    paintMark(painter, mark);
    if (stroke)
        paintStroke(painter, mark, *stroke);
    return pixmap;
}

QIcon windowIcon()
{
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::white);
        QPainter painter(&pixmap);
        // Four marks in a 2 x 2 block; each quarter holds one 42-unit mark
        // picture, scaled to fit.
        const qreal quarter = side / 2.0;
        const qreal scale = quarter / kSize;
        const kelmo::Mark layout[2][2] = {{kelmo::Mark::X, kelmo::Mark::O},
                                          {kelmo::Mark::O, kelmo::Mark::X}};
        for (int row = 0; row < 2; ++row) {
            for (int column = 0; column < 2; ++column) {
                painter.save();
                painter.translate(column * quarter, row * quarter);
                painter.scale(scale, scale);
                paintMark(painter, layout[row][column]);
                painter.restore();
            }
        }
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace pictures

#include "toolkit/pictures.h"

#include <QIconEngine>
#include <QPainter>

namespace pictures {

namespace {

const QColor kXColor(0, 0, 0);
const QColor kOColor(255, 0, 0);

// The marks, in the 42-unit box of a cell picture. The raster pictures and
// the SVG icon are both drawn from these figures.
constexpr qreal kXPen = 5;
constexpr QPointF kXStrokes[2][2] = {{{11.5, 9.5}, {30.5, 31.5}}, {{30.5, 9.5}, {11.5, 31.5}}};
constexpr qreal kOPen = 4;
constexpr QRectF kORing(12, 11, 17, 19); // the middle of the 4-unit ring

// The icon shows each mark cut from this part of its box, two by two, on a
// white rounded tile with a grey rim: the black X would all but vanish on
// a dark panel, and the rim sets the tile off from a light one.
constexpr qreal kIconCrop = 7;
constexpr qreal kIconQuarter = 28;
constexpr qreal kIconMargin = 4; // between the tile's edge and the marks
constexpr qreal kIconUnits = 2 * kIconQuarter + 2 * kIconMargin;
constexpr qreal kTileRim = 2;
constexpr QRectF kTile(kTileRim / 2, kTileRim / 2, kIconUnits - kTileRim, kIconUnits - kTileRim); // the rim's middle
constexpr qreal kTileRadius = 10;
const QColor kTileColor(255, 255, 255);
const QColor kTileRimColor(191, 191, 191);
constexpr kelmo::Mark kIconLayout[2][2] = {{kelmo::Mark::X, kelmo::Mark::O}, {kelmo::Mark::O, kelmo::Mark::X}};

// Where the mark of the icon's `row` and `column` has its box.
QPointF iconMarkOrigin(int row, int column)
{
    return {kIconMargin + column * kIconQuarter - kIconCrop, kIconMargin + row * kIconQuarter - kIconCrop};
}

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
        painter.setPen(QPen(kXColor, kXPen, Qt::SolidLine, Qt::FlatCap));
        for (const auto &stroke : kXStrokes)
            painter.drawLine(stroke[0], stroke[1]);
    } else {
        painter.setPen(QPen(kOColor, kOPen));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(kORing);
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

QPixmap whitePixmap(qreal devicePixelRatio)
{
    const int side = qRound(kSize * devicePixelRatio);
    QPixmap pixmap(side, side);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::white);
    return pixmap;
}

QString number(qreal value)
{
    return QString::number(value, 'g', 6);
}

} // namespace

QPixmap empty(qreal devicePixelRatio)
{
    return whitePixmap(devicePixelRatio);
}

QPixmap mark(kelmo::Mark mark, std::optional<kelmo::Stroke> stroke, qreal devicePixelRatio)
{
    QPixmap pixmap = whitePixmap(devicePixelRatio);
    QPainter painter(&pixmap);
    paintMark(painter, mark);
    if (stroke)
        paintStroke(painter, mark, *stroke);
    return pixmap;
}

QImage iconImage(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / kIconUnits, side / kIconUnits);
    painter.setPen(QPen(kTileRimColor, kTileRim));
    painter.setBrush(kTileColor);
    painter.drawRoundedRect(kTile, kTileRadius, kTileRadius);
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 2; ++column) {
            painter.save();
            painter.translate(iconMarkOrigin(row, column));
            paintMark(painter, kIconLayout[row][column]);
            painter.restore();
        }
    }
    return image;
}

QString iconSvg()
{
    QString svg = QStringLiteral(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 %1 %1\">\n")
                      .arg(number(kIconUnits));
    svg += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" fill=\"%6\" "
                          "stroke=\"%7\" stroke-width=\"%8\"/>\n")
               .arg(number(kTile.x()), number(kTile.y()), number(kTile.width()), number(kTile.height()),
                    number(kTileRadius), kTileColor.name(), kTileRimColor.name(), number(kTileRim));
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 2; ++column) {
            const QPointF origin = iconMarkOrigin(row, column);
            svg += QStringLiteral("  <g transform=\"translate(%1 %2)\">\n").arg(number(origin.x()), number(origin.y()));
            if (kIconLayout[row][column] == kelmo::Mark::X) {
                for (const auto &stroke : kXStrokes) {
                    svg += QStringLiteral("    <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" stroke=\"#000000\" "
                                          "stroke-width=\"%5\" stroke-linecap=\"butt\"/>\n")
                               .arg(number(stroke[0].x()), number(stroke[0].y()), number(stroke[1].x()),
                                    number(stroke[1].y()), number(kXPen));
                }
            } else {
                const QPointF centre = kORing.center();
                svg += QStringLiteral("    <ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\" fill=\"none\" "
                                      "stroke=\"#ff0000\" stroke-width=\"%5\"/>\n")
                           .arg(number(centre.x()), number(centre.y()), number(kORing.width() / 2),
                                number(kORing.height() / 2), number(kOPen));
            }
            svg += QStringLiteral("  </g>\n");
        }
    }
    svg += QStringLiteral("</svg>\n");
    return svg;
}

namespace {

// Draws the icon at whatever size is asked for, when it is asked for, so
// that no size is drawn that nobody shows.
class MarksIconEngine : public QIconEngine
{
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        painter->drawImage(rect, iconImage(std::min(rect.width(), rect.height())));
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        return QPixmap::fromImage(iconImage(std::min(size.width(), size.height())));
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    }

    QIconEngine *clone() const override { return new MarksIconEngine; }
    QString key() const override { return QStringLiteral("KelmoMarks"); }
};

} // namespace

QIcon windowIcon()
{
    return QIcon(new MarksIconEngine);
}

} // namespace pictures

#include "toolkit/placement.h"

#include <algorithm>

QPoint placeClearOf(const QRect &window, const QSize &size, const QRect &screen)
{
    constexpr int gap = 8;
    const int centredX = window.center().x() - size.width() / 2;
    const QPoint below(centredX, window.bottom() + 1 + gap);
    const QPoint candidates[] = {
        below,
        QPoint(window.right() + 1 + gap, window.top()),
        QPoint(window.left() - gap - size.width(), window.top()),
        QPoint(centredX, window.top() - gap - size.height()),
    };
    for (const QPoint &place : candidates) {
        if (screen.contains(QRect(place, size)))
            return place;
    }
    return QPoint(std::clamp(below.x(), screen.left(), std::max(screen.left(), screen.right() + 1 - size.width())),
                  std::clamp(below.y(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - size.height())));
}

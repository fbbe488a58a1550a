#include "toolkit/placement.h"

#include <QFontMetrics>
#include <QWidget>

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

int titleBarWidth(const QWidget &window, const QString &title)
{
    // Title bars draw their title in bold, between the window's icon and up
    // to three buttons, with margins around each.
    QFont bold = window.font();
    bold.setBold(true);
    constexpr int kIconAndButtons = 140;
    return QFontMetrics(bold).horizontalAdvance(title) * 5 / 4 + kIconAndButtons;
}

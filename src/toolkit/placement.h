#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// Where a dialog of `size` opens so that it leaves `window` in sight: just
// below it, else to its right, to its left or above it, wherever it fits
// on `screen`. Where none fits, below it, moved onto the screen.
QPoint placeClearOf(const QRect &window, const QSize &size, const QRect &screen);

class QWidget;

// How wide `window` must be for a window manager's title bar to show
// `title` whole beside its buttons and the window's icon.
int titleBarWidth(const QWidget &window, const QString &title);

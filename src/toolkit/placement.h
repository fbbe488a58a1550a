#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a dialog of `size` opens so that it leaves `window` in sight: just
// below it, else to its right, to its left or above it, wherever it fits
// on `screen`. Where none fits, below it, moved onto the screen.
QPoint placeClearOf(const QRect &window, const QSize &size, const QRect &screen);

#pragma once

#include "rules/board.h"
#include "rules/winrules.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

#include <optional>

// The board's pictures and the program's icon, drawn by our own code rather
// than loaded from files, so that they are sharp at every pixel ratio.
namespace pictures {

// Logical size of every cell picture, in pixels.
inline constexpr int kSize = 42;

// Plain white.
QPixmap empty(qreal devicePixelRatio);
// A black X or a red O, struck through along `stroke` when one is given.
QPixmap mark(kelmo::Mark mark, std::optional<kelmo::Stroke> stroke, qreal devicePixelRatio);

// The program's icon: X top-left and bottom-right, O top-right and
// bottom-left, on a white rounded tile that keeps both marks clear on
// light and dark panels. The raster and the SVG come from the same figures.
QImage iconImage(int side);
QString iconSvg();
QIcon windowIcon();

} // namespace pictures

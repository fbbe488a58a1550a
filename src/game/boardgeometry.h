#pragma once

#include <QRect>

#include <array>

// Where the board lies in the window's client area, in pixels.
namespace boardgeometry {

inline constexpr int kClientSize = 171;
// Cells start 24 px in from the top-left corner and step by 40 px, so
// neighbouring 42 px pictures overlap by 2 px, where the grid runs.
inline constexpr int kOrigin = 24;
inline constexpr int kStep = 40;
inline constexpr int kCellSize = 42;

inline QRect cellGeometry(int index)
{
    return QRect(kOrigin + kStep * (index % 3), kOrigin + kStep * (index / 3), kCellSize, kCellSize);
}

// The four 3 px grid lines, centred on the overlaps between the cells.
inline const std::array<QRect, 4> &gridLines()
{
    constexpr int width = 3;
    constexpr int length = 3 * kStep;
    constexpr int first = kOrigin + kStep - 1;
    constexpr int second = kOrigin + 2 * kStep - 1;
    static const std::array<QRect, 4> lines{
        QRect(first, kOrigin, width, length), QRect(second, kOrigin, width, length),
        QRect(kOrigin, first, length, width), QRect(kOrigin, second, length, width)};
    return lines;
}

} // namespace boardgeometry

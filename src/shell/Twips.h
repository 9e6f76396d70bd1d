#pragma once

#include <QRect>
#include <QSize>

namespace fc {

// Design positions and sizes are in twips; 15 twips make one pixel at 96 dpi.
constexpr int twipsToPixels(int twips) { return (twips + 7) / 15; }

constexpr QRect twips(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
            twipsToPixels(height)};
}

constexpr QSize twipsSize(int width, int height)
{
    return {twipsToPixels(width), twipsToPixels(height)};
}

// Font sizes are given in points; at 96 dpi a point is 4/3 of a pixel.
constexpr int pointsToPixels(double points) { return int(points * 96.0 / 72.0 + 0.5); }

}  // namespace fc

// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>

#include <algorithm>

namespace selmak::ui {

// The layout is kept in twips (1/1440 inch); 15 twips make a device-independent pixel at 96 dpi.
// Qt's high-DPI scaling takes it from there.
inline constexpr int kTwipsPerPixel = 15;

struct TwipRect
{
    int left;
    int top;
    int width;
    int height;
};

// The nearest pixel edge; a half rounds up.
constexpr int twipsToPixels(int twips)
{
    const int doubled = 2 * twips + kTwipsPerPixel;
    const int pixels = doubled / (2 * kTwipsPerPixel);
    return doubled < 0 && doubled % (2 * kTwipsPerPixel) != 0 ? pixels - 1 : pixels;
}

// Both edges are rounded and the size follows from them, so that controls laid edge to edge in
// twips stay edge to edge in pixels.
constexpr QRect toPixels(TwipRect r)
{
    const int left = twipsToPixels(r.left);
    const int top = twipsToPixels(r.top);
    return { left, top, twipsToPixels(r.left + r.width) - left,
             twipsToPixels(r.top + r.height) - top };
}

// The pixels a one-pixel line between two points in twips covers, both end points included.
constexpr QRect linePixels(QPoint from, QPoint to)
{
    const int x1 = twipsToPixels(from.x());
    const int y1 = twipsToPixels(from.y());
    const int x2 = twipsToPixels(to.x());
    const int y2 = twipsToPixels(to.y());
    return { QPoint(std::min(x1, x2), std::min(y1, y2)),
             QPoint(std::max(x1, x2), std::max(y1, y2)) };
}

} // namespace selmak::ui

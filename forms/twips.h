// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>

namespace selmak::forms {

// The layout is kept in twips (1/1440 inch); 15 twips make a pixel at 96 dpi.
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kStandardDpi = 96;

struct TwipRect
{
    int left;
    int top;
    int width;
    int height;
};

struct TwipPoint
{
    int x;
    int y;
};

struct PixelRect
{
    int left;
    int top;
    int width;
    int height;

    friend constexpr bool operator==(const PixelRect &, const PixelRect &) = default;
};

// The nearest pixel edge at the given dpi; a half rounds up.
constexpr int twipsToPixels(int twips, int dpi = kStandardDpi)
{
    const long long doubled = 2LL * twips * dpi + kTwipsPerInch;
    const long long divisor = 2LL * kTwipsPerInch;
    const long long pixels = doubled / divisor;
    return static_cast<int>(doubled < 0 && doubled % divisor != 0 ? pixels - 1 : pixels);
}

// Both edges are rounded and the size follows from them, so that controls laid edge to edge in
// twips stay edge to edge in pixels.
constexpr PixelRect toPixels(TwipRect r, int dpi = kStandardDpi)
{
    const int left = twipsToPixels(r.left, dpi);
    const int top = twipsToPixels(r.top, dpi);
    return { left, top, twipsToPixels(r.left + r.width, dpi) - left,
             twipsToPixels(r.top + r.height, dpi) - top };
}

// The pixels a one-pixel line between two points in twips covers, both end points included.
constexpr PixelRect linePixels(TwipPoint from, TwipPoint to, int dpi = kStandardDpi)
{
    const int x1 = twipsToPixels(from.x, dpi);
    const int y1 = twipsToPixels(from.y, dpi);
    const int x2 = twipsToPixels(to.x, dpi);
    const int y2 = twipsToPixels(to.y, dpi);
    return { std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) - std::min(x1, x2) + 1,
             std::max(y1, y2) - std::min(y1, y2) + 1 };
}

} // namespace selmak::forms

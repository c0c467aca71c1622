// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window is laid out in twips at a fixed 14 twips per logical pixel (Qt always reports 96 dpi,
// so this is not derived from the screen); hi-DPI screens scale through the device pixel ratio.
#pragma once

#include <QRect>
#include <cmath>

namespace tanvera {

constexpr double TwipsPerPixel = 14;
constexpr double TwipsPerPoint = 20;
// The smallest type any text of the window takes, in pixels: below it digits cannot be told apart.
constexpr int SmallestPixelSize = 7;

inline int twipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

// Rounds both edges, so neighbouring controls never overlap or leave gaps by rounding.
inline QRect twipsRect(double left, double top, double width, double height)
{
    const int x = twipsToPixels(left), y = twipsToPixels(top);
    return {x, y, twipsToPixels(left + width) - x, twipsToPixels(top + height) - y};
}

// A font size in points as a pixel size through twips, independent of the screen's font dpi.
inline double pointsToPixels(double points)
{
    return points * TwipsPerPoint / TwipsPerPixel;
}

} // namespace tanvera

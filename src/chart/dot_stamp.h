// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Round, anti-aliased dots written straight into an RGB32 image. A curve is thousands of points:
// QPainter strokes every wide point as a path, and even computing each pixel's coverage costs
// more than the rest of a redraw, so the coverage is worked out once per sub-pixel position.
#pragma once

#include <QImage>
#include <array>
#include <vector>

namespace tanvera {

// The pixels of an RGB32 image, taken once for many dots: QImage's accessors are calls.
struct Canvas
{
    explicit Canvas(QImage& image);
    QRgb* bits;
    qsizetype stride; // pixels from one line to the next
    int width, height;
};

class DotStamp
{
public:
    // The largest radius a stamp is made for: a dot marks a point, it is not a drawn circle.
    static constexpr double MaxRadius = 32;

    // A radius that is negative, not a number or above MaxRadius makes a stamp that draws nothing.
    explicit DotStamp(double radiusPixels = 0);

    double radius() const { return m_radius; }
    // Blends a dot of the stamp's radius centred at (cx, cy), in the canvas's device pixels. Any
    // centre is safe: one whose dot cannot reach the canvas draws nothing.
    void stamp(const Canvas& canvas, double cx, double cy, QRgb colour) const;

private:
    static constexpr int Steps = 8; // sub-pixel positions per axis
    struct Cover
    {
        int dx, dy; // pixel offset from the pixel holding the centre
        int weight; // 1..256
    };

    double m_radius;
    int m_extent = 0; // no pixel of a kernel lies further than this from the centre's pixel
    std::array<std::vector<Cover>, Steps * Steps> m_kernels;
};

} // namespace tanvera

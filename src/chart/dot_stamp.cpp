// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dot_stamp.h"

#include <algorithm>
#include <cmath>

namespace tanvera {

Canvas::Canvas(QImage& image)
    : bits(reinterpret_cast<QRgb*>(image.bits()))
    , stride(image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb)))
    , width(image.width())
    , height(image.height())
{ }

DotStamp::DotStamp(double radiusPixels)
    : m_radius(radiusPixels)
{
    if (!(radiusPixels >= 0 && radiusPixels <= MaxRadius))
        return;
    // Coverage of a pixel: whole inside the disc, fading over the last half pixel.
    const double reach = radiusPixels + 0.5;
    m_extent = static_cast<int>(std::ceil(reach)) + 1;
    for (int sy = 0; sy < Steps; ++sy) {
        for (int sx = 0; sx < Steps; ++sx) {
            const double cx = (sx + 0.5) / Steps, cy = (sy + 0.5) / Steps;
            auto& kernel = m_kernels[sy * Steps + sx];
            for (int dy = -m_extent; dy <= m_extent; ++dy) {
                for (int dx = -m_extent; dx <= m_extent; ++dx) {
                    const double cover = reach - std::hypot(dx + 0.5 - cx, dy + 0.5 - cy);
                    if (cover > 0)
                        kernel.push_back({dx, dy, static_cast<int>(std::min(cover, 1.0) * 256)});
                }
            }
        }
    }
}

namespace {

// floor() without a call into the maths library, which x86-64's baseline instruction set needs.
int floorToInt(double value)
{
    const int truncated = static_cast<int>(value);
    return truncated > value ? truncated - 1 : truncated;
}

// dst + (src - dst)·weight/256 for the three channels at once: red and blue share one word.
QRgb blend(QRgb under, QRgb colour, int weight)
{
    const quint32 w = static_cast<quint32>(weight), rest = 256 - w;
    const quint32 redBlue = (((colour & 0xFF00FF) * w + (under & 0xFF00FF) * rest) >> 8) & 0xFF00FF;
    const quint32 green = (((colour & 0x00FF00) * w + (under & 0x00FF00) * rest) >> 8) & 0x00FF00;
    return 0xFF000000 | redBlue | green;
}

} // namespace

void DotStamp::stamp(const Canvas& canvas, double cx, double cy, QRgb colour) const
{
    // Only a centre that lies within the kernel's reach of the canvas is turned into whole pixels;
    // beyond, the conversion could overflow. Not a number fails the test too.
    const double reach = m_extent + 1;
    if (!(cx > -reach && cy > -reach && cx < canvas.width + reach && cy < canvas.height + reach))
        return;
    const int px = floorToInt(cx), py = floorToInt(cy);
    const int sx = std::clamp(static_cast<int>((cx - px) * Steps), 0, Steps - 1);
    const int sy = std::clamp(static_cast<int>((cy - py) * Steps), 0, Steps - 1);
    const bool inside = px - m_extent >= 0 && py - m_extent >= 0 && px + m_extent < canvas.width
        && py + m_extent < canvas.height;
    for (const Cover& cover : m_kernels[sy * Steps + sx]) {
        const int x = px + cover.dx, y = py + cover.dy;
        if (!inside && (x < 0 || y < 0 || x >= canvas.width || y >= canvas.height))
            continue;
        QRgb& pixel = canvas.bits[y * canvas.stride + x];
        pixel = blend(pixel, colour, cover.weight);
    }
}

} // namespace tanvera

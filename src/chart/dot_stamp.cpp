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
    // Coverage of a pixel: whole inside the disc, fading over the last half pixel.
    const double reach = radiusPixels + 0.5;
    const int extent = static_cast<int>(std::ceil(reach)) + 1;
    for (int sy = 0; sy < Steps; ++sy) {
        for (int sx = 0; sx < Steps; ++sx) {
            const double cx = (sx + 0.5) / Steps, cy = (sy + 0.5) / Steps;
            auto& kernel = m_kernels[sy * Steps + sx];
            for (int dy = -extent; dy <= extent; ++dy) {
                for (int dx = -extent; dx <= extent; ++dx) {
                    const double cover = reach - std::hypot(dx + 0.5 - cx, dy + 0.5 - cy);
                    if (cover > 0)
                        kernel.push_back({dx, dy, static_cast<int>(std::min(cover, 1.0) * 256)});
                }
            }
        }
    }
}

void DotStamp::stamp(const Canvas& canvas, double cx, double cy, QRgb colour) const
{
    const int px = static_cast<int>(std::floor(cx)), py = static_cast<int>(std::floor(cy));
    const int sx = std::clamp(static_cast<int>((cx - px) * Steps), 0, Steps - 1);
    const int sy = std::clamp(static_cast<int>((cy - py) * Steps), 0, Steps - 1);
    const int red = qRed(colour), green = qGreen(colour), blue = qBlue(colour);
    auto mix = [](int from, int to, int weight) { return from + (((to - from) * weight) >> 8); };
    for (const Cover& cover : m_kernels[sy * Steps + sx]) {
        const int x = px + cover.dx, y = py + cover.dy;
        if (x < 0 || y < 0 || x >= canvas.width || y >= canvas.height)
            continue;
        QRgb& pixel = canvas.bits[y * canvas.stride + x];
        pixel = qRgb(mix(qRed(pixel), red, cover.weight), mix(qGreen(pixel), green, cover.weight),
            mix(qBlue(pixel), blue, cover.weight));
    }
}

} // namespace tanvera

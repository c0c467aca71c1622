// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The chart's display list rendered with items anywhere a Single can put them: far-off items
// leave the image alone, a line from far beyond the image shows the same pixels as the same line
// cut near it, and rendering never depends on anything but the list.
#include "chart/picture2.h"
#include "chart/twips.h"

#include <QApplication>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace tanvera {
namespace {

constexpr float W = 6855, H = 5060; // the chart's size in twips
constexpr float MaxSingle = std::numeric_limits<float>::max();

QImage render(const std::function<void(Picture2&)>& draw)
{
    Picture2 picture(W, H);
    picture.resize(twipsToPixels(W), twipsToPixels(H));
    draw(picture);
    return picture.grab().toImage();
}

class Coordinates
{
public:
    // From the smallest denormal to the largest Single, log-uniform, either sign; one in four is
    // on or next to an edge of the image.
    float any()
    {
        const float edges[] = {0, -7, 7, 14 * 490, 14 * 490 - 7, 14 * 361, 14 * 361 + 7,
            std::numeric_limits<float>::denorm_min(), -MaxSingle, MaxSingle};
        if (pick(4) == 0)
            return edges[pick(std::size(edges))];
        return sign() * magnitude(std::log(1.4e-45), std::log(3.4e38));
    }
    // Beyond the image by at least a thousand pixels.
    float far() { return magnitude(std::log(14e3 + W), std::log(3.4e38)); }
    float sign() { return pick(2) ? 1.0f : -1.0f; }
    std::size_t pick(std::size_t n)
    {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(m_random);
    }

private:
    float magnitude(double low, double high)
    {
        return static_cast<float>(
            std::exp(std::uniform_real_distribution<double>(low, high)(m_random)));
    }
    std::mt19937 m_random {20261208};
};

void drawAny(Picture2& picture, Coordinates& at, std::uint32_t colour)
{
    switch (at.pick(3)) {
    case 0:
        picture.Circle(at.any(), at.any(), 10, colour);
        break;
    case 1:
        picture.Line(at.any(), at.any(), at.any(), at.any(), colour);
        break;
    default:
        picture.setCurrentX(at.any());
        picture.setCurrentY(at.any());
        picture.Print(" 1,23456789012346E+300 ");
    }
}

TEST(PictureRendering, ItemsAnywhereRenderTheSameEveryTime)
{
    const auto draw = [](Picture2& picture) {
        Coordinates at;
        for (int i = 0; i < 3000; ++i)
            drawAny(picture, at, static_cast<std::uint32_t>(i) * 2654435761u & 0xFFFFFF);
    };
    const QImage first = render(draw);
    EXPECT_EQ(render(draw), first);
    EXPECT_NE(first, render([](Picture2&) {})); // some items do land in the image
}

TEST(PictureRendering, ItemsBeyondAnEdgeLeaveTheImageUntouched)
{
    const QImage blank = render([](Picture2&) {});
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const QImage drawn = render([&](Picture2& picture) {
        Coordinates at;
        for (int i = 0; i < 2000; ++i) {
            // Both ends beyond the same edge; the other coordinates anywhere.
            const float a = at.any(), b = at.any(), far1 = at.far(), far2 = at.far();
            const bool beforeStart = at.pick(2);
            const float x1 = beforeStart ? -far1 : W + far1, x2 = beforeStart ? -far2 : W + far2;
            if (at.pick(2)) {
                picture.Line(x1, a, x2, b, 0xFF);
                picture.Circle(x1, a, 10, 0xFF00);
            } else {
                picture.Line(a, x1, b, x2, 0xFF);
                picture.Circle(a, x1, 10, 0xFF00);
            }
            picture.setCurrentX(x1);
            picture.setCurrentY(a);
            picture.Print("12345");
        }
        for (float odd : {inf, -inf, nan}) {
            picture.Line(odd, 100, 200, 300, 0xFF);
            picture.Line(100, 200, 300, odd, 0xFF);
            picture.Circle(odd, 100, 10, 0xFF);
            picture.Circle(100, 200, odd, 0xFF);
            picture.setCurrentX(odd);
            picture.setCurrentY(100);
            picture.Print("12345");
        }
    });
    EXPECT_EQ(drawn, blank);
}

// Lines through the image's corner with ends at ±d·2^k lie exactly on one line (d has a 12-bit
// mantissa), so a line reaching far beyond the image (ends up to 2^32 twips away, farther than
// any screen) must show what it shows with its ends just outside: the cut is where the line
// crosses the edge. The slope is of no special kind: with whole directions the pen's edges run
// through pixel centres and the last bit of rounding decides them.
TEST(PictureRendering, FarLineShowsWhatTheLineCutJustOutsideShows)
{
    Coordinates at;
    const QRectF justOutside(-140, -140, 490 * 14 + 280, 361 * 14 + 280); // ten pixels around
    const QImage blank = render([](Picture2&) {});
    int seen = 0;
    for (int i = 0; i < 300; ++i) {
        const float dx = at.sign() * std::ldexp(float(at.pick(4095) + 1), -12);
        const float dy = at.sign() * std::ldexp(float(at.pick(4095) + 1), -12);
        auto outside = [&](float sense) {
            int k = 0;
            while (justOutside.contains(sense * std::ldexp(dx, k), sense * std::ldexp(dy, k)))
                ++k;
            return k;
        };
        auto line = [&](int k1, int k2) {
            return render([&](Picture2& picture) {
                picture.Line(std::ldexp(dx, k1), std::ldexp(dy, k1), -std::ldexp(dx, k2),
                    -std::ldexp(dy, k2), 0xFF);
            });
        };
        const int near1 = outside(1), near2 = outside(-1);
        // One far end, or both.
        const int far1 = near1 + int(at.pick(std::size_t(33 - near1)));
        const int far2 = at.pick(2) ? near2 + int(at.pick(std::size_t(33 - near2))) : near2;
        const QImage far = line(far1, far2);
        ASSERT_EQ(far, line(near1, near2))
            << "d = (" << dx << ", " << dy << "), 2^" << far1 << " and 2^" << far2;
        seen += far != blank;
    }
    EXPECT_GT(seen, 100);
}

} // namespace
} // namespace tanvera

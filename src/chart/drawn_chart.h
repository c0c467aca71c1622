// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the chart shows, kept as it is drawn: its axes (their mapping and their ends as printed)
// and, for each curve, the points drawn with the times they stand for and its legend. The frame
// and the curve plotting write it; the legends, the pointer readout, the screen-reader texts and
// "Copiar datos" read it, since the boxes change the shared state before any redraw.
#pragma once

#include "text_fit.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tanvera {

struct ChartState;
class Picture2;

constexpr double PlotMargin = 100; // top and right margin, twips

// The mapping between chart positions in twips and (time, concentration), each direction with
// the exact order of operations its callers depend on. The plot spans from PlotOffsetX to 100
// short of the right edge, and from 100 below the top edge to PlotOffsetY above the bottom edge.
struct ChartMapping
{
    double W, H; // the box's outer size, twips
    double offsetX, offsetY; // PlotOffsetX, PlotOffsetY
    double maxTime;
    float concAxisMax;

    static ChartMapping of(const ChartState& state, const Picture2& picture);

    double plotWidth() const { return W - offsetX - PlotMargin; }
    double plotHeight() const { return H - offsetY - PlotMargin; }

    // Step j of a run of `steps` steps: the curve spans the plot's width whatever MaxTime is.
    float stepToX(long j, long steps) const;
    float concToY(double conc) const;
    double xToTime(double x) const;
    double yToConc(double y) const;
};

struct DrawnChart
{
    struct Curve
    {
        std::vector<double> conc; // mol/m3, one per point drawn
        ShownText legend;

        bool drawn() const { return !conc.empty(); }
    };

    // A text of the frame as printed: its top-left corner in twips and its type size in pixels
    // (0 for the box's own font).
    struct Text
    {
        std::string text;
        float x, y;
        int pixels;
    };

    std::optional<ChartMapping> axes; // none while no frame is drawn
    // The concentration scale top down, its title among it, then the time row left to right.
    std::vector<Text> scale;
    // Every curve is drawn over the same run's time points: these, s, as many as the longest
    // curve has points.
    std::vector<double> times;
    std::array<Curve, 3> curves; // by slot; the curves drawn are always slots 0..count - 1

    // The ends of the axes as printed, without blanks; empty while no frame is drawn.
    std::string timeAxisEnd() const { return scale.empty() ? "" : digits(scale.back()); }
    std::string concAxisTop() const { return scale.empty() ? "" : digits(scale.front()); }

    int curveCount() const
    {
        int count = 0;
        while (count < int(curves.size()) && curves[count].drawn())
            ++count;
        return count;
    }

private:
    static std::string digits(const Text& printed)
    {
        const auto first = printed.text.find_first_not_of(' ');
        return printed.text.substr(first, printed.text.find_last_not_of(' ') + 1 - first);
    }
};

} // namespace tanvera

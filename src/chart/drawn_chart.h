// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the chart shows, kept as it is drawn: its axes (their mapping and their ends as printed)
// and, for each curve, the points drawn with the times they stand for and its legend. The frame,
// the curve plotting and clearing write it; the legends, the pointer readout, the screen-reader
// texts and "Copiar datos" read it, so none of them has to work out from the drawing or from the
// shared state, which the boxes change before any redraw, what the chart shows.
#pragma once

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
        std::vector<double> times; // s, one per point drawn
        std::vector<double> conc; // mol/m3, one per point drawn
        std::string legend;

        bool drawn() const { return !conc.empty(); }
    };

    std::optional<ChartMapping> axes; // none while no frame is drawn
    std::string timeAxisEnd; // as printed, without blanks; empty while no frame is drawn
    std::string concAxisTop;
    std::array<Curve, 3> curves; // by slot; the curves drawn are always slots 0..count - 1

    int curveCount() const
    {
        int count = 0;
        while (count < int(curves.size()) && curves[count].drawn())
            ++count;
        return count;
    }
};

} // namespace tanvera

// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The chart's fixed frame (axes, grid, scales, titles) and the mapping between chart positions in
// twips and (time, concentration). The plot spans from PlotOffsetX to 100 short of the right edge,
// and from 100 below the top edge to PlotOffsetY above the bottom edge.
#pragma once

#include "form_context.h"

namespace tanvera {

constexpr double PlotMargin = 100; // top and right margin, twips

// Draws the frame for the current MaxTime and ConcAxisMax; never clears the box itself.
void DrawChartFrame(FormContext& form);

// Cls: the drawing and the record of what it shows are wiped together.
void ClearPicture(FormContext& form);

// The mapping, each direction with the exact order of operations its callers depend on.
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

} // namespace tanvera

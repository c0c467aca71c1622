// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The chart copied out of the program for a report: its curves as numbers and its picture.
#pragma once

#include "form_context.h"

#include <QPixmap>
#include <string>
#include <vector>

namespace tanvera {

// The curves on the chart as they were drawn: the time of every point and, for each curve, its
// legend and its concentrations up to its last point.
struct DrawnCurves
{
    struct Curve
    {
        std::string legend;
        std::vector<double> conc; // mol/m3, one per point drawn
    };
    std::vector<double> times; // s, as many as the longest curve has points
    std::vector<Curve> curves;
};

// The curves on the chart, as they were drawn.
DrawnCurves CaptureDrawnCurves(const DrawnChart& chart);

// Tab-separated rows for a spreadsheet: "t (s)" and the legends, then one row per step with a
// curve's cell left empty after its last point; numbers as the window writes them.
std::string CurvesAsTabSeparated(const DrawnCurves& curves, char separator);

// The chart with the legend marks and texts below it, at the window's device pixel ratio.
QPixmap ChartWithLegend(const FormContext& form);

} // namespace tanvera

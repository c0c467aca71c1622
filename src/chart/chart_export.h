// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The chart copied out of the program for a report: its curves as numbers and its picture.
#pragma once

#include "form_context.h"

#include <QPixmap>
#include <string>
#include <vector>

namespace tanvera {

// The curves on the chart as they were drawn: the time of every step and, for each curve whose
// legend shows, its concentrations up to its last point.
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

// The time points of the run just drawn, to be kept from one drawing to the next: a time query
// overwrites TimePoints. The rest stays as drawn until the chart changes: the points on the chart,
// the legends, and the results of the curves shown (a query writes only the slot it computes).
std::vector<double> DrawnTimes(const ChartState& state);

// Whether a legend shows: it does exactly while its curve is on the chart.
bool AnyCurveShown(const FormContext& form);

// The curves whose legend shows, each as long as its points on the chart.
DrawnCurves CaptureDrawnCurves(const FormContext& form, const std::vector<double>& drawnTimes);

// Tab-separated rows for a spreadsheet: "t (s)" and the legends, then one row per step with a
// curve's cell left empty after its last point; numbers as the window writes them.
std::string CurvesAsTabSeparated(const DrawnCurves& curves, char separator);

// The chart with the legend marks and texts below it, at the window's device pixel ratio.
QPixmap ChartWithLegend(const FormContext& form);

} // namespace tanvera

// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "curves.h"

#include "chart_frame.h"
#include "model/integrator.h"
#include "runtime/checked.h"
#include "runtime/numtext.h"
#include "runtime/scope_exit.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace tanvera {

ShownText legendText(const ChartState& s, long k, char sep)
{
    const float litres = toSingle(double(Dbl(s.TankVolume(k)) * 1000.0));
    const float litresPerHour = toSingle(double(Dbl(s.InflowRate(k)) * 1000.0 * 60.0 * 60.0));
    const double conc = s.ConcResults(k, 0);
    const float valve = s.ValveOpening(k);
    ShownText legend;
    (legend << "V =").number(litres, Str(litres, sep), sep) << "(l) -- Q =";
    legend.number(litresPerHour, Str(litresPerHour, sep), sep) << "(l/h) -- Co =";
    legend.number(conc, Str(conc, sep), sep) << "(mol/m3) -- Ap.Valv =";
    return legend.number(valve, Str(valve, sep), sep) << "(%)";
}

bool tankOverflows(const ChartState& s, long k, long j)
{
    const Dbl t = s.TimePoints(j);
    const Dbl volume = (Dbl(s.InflowRate(k)) * t - t * s.OutflowRate(k)) + s.StartVolume(k);
    return double(volume) > double(s.MaxVolume(k));
}

namespace {

constexpr double PointRadius = 10;

std::uint32_t slotColour(long k)
{
    checkIndex(k, std::ssize(CurveLooks));
    return CurveLooks[k].colour;
}

// A curve ready to draw: its points up to where its tank overflows, and what the chart then
// shows of it.
struct PlannedCurve
{
    std::vector<std::pair<float, float>> points;
    DrawnChart::Curve shown;
};

PlannedCurve planCurve(const ChartState& s, const ChartMapping& map, long k, char separator)
{
    PlannedCurve curve;
    curve.shown.legend = legendText(s, k, separator);
    const long steps = s.StepCount;
    curve.points.reserve(static_cast<std::size_t>(std::max(steps + 1, 1L)));
    for (long j = 0; j <= steps; ++j) {
        curve.points.emplace_back(map.stepToX(j, steps), map.concToY(s.ConcResults(k, j)));
        if (tankOverflows(s, k, j))
            break;
    }
    // Bounds were checked point by point above; the rows drawn are copied in one go.
    const long last = static_cast<long>(curve.points.size()) - 1;
    curve.shown.conc.assign(&s.ConcResults(k, 0), &s.ConcResults(k, last) + 1);
    return curve;
}

} // namespace

void plotCurves(FormContext& form, long lastSlot)
{
    // Each curve is worked out whole (points and legend) before any of it is drawn: a fault
    // leaves no curve half drawn and no legend for a missing curve.
    ChartState& s = form.state;
    const ChartMapping& map = form.drawn.axes.value(); // the axes just drawn
    for (long k = 0; k <= lastSlot; ++k) {
        bringToTheTimeAxis(s, k);
        PlannedCurve curve = planCurve(s, map, k, form.separator);
        for (const auto& [x, y] : curve.points)
            form.picture->Circle(x, y, PointRadius, slotColour(k));
        form.Line3(k)->setVisible(true);
        form.Label4(k)->showCaption(curve.shown.legend);
        // Every curve stands on the time points of the axis' run, which the curve's run left.
        std::vector<double>& times = form.drawn.times;
        if (curve.points.size() > times.size())
            times.assign(&s.TimePoints(0), &s.TimePoints(0) + curve.points.size());
        form.drawn.curves.at(static_cast<std::size_t>(k)) = std::move(curve.shown);
    }
}

void keepToTheDrawnCurves(FormContext& form)
{
    const int drawn = form.drawn.curveCount();
    for (long k = drawn; k <= 2; ++k)
        hideLegend(form, k);
    // A chart that the fault emptied is left as clearing leaves it: the next curve gets its own
    // scale, not that of curves no longer shown.
    if (drawn == 0 && form.state.CurveSlot > 0)
        form.state.ConcAxisMax = 0;
    form.state.CurveSlot = static_cast<std::int16_t>(drawn);
}

void hideLegend(FormContext& form, long k)
{
    form.Line3(k)->setVisible(false);
    form.Label4(k)->showCaption({});
}

void clearChart(FormContext& form)
{
    // Clearing is the way out of any state: the reset holds even where the frame cannot be drawn
    // (a maximum time near the top of the Double range).
    const ScopeExit forgetCurves([&form] {
        form.state.ConcAxisMax = 0;
        for (long k = 0; k <= 2; ++k)
            hideLegend(form, k);
        form.state.CurveSlot = 0;
    });
    DrawChartFrame(form);
}

void Command2_Click(FormContext& form)
{
    clearChart(form);
}

} // namespace tanvera

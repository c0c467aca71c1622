// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calculate.h"

#include "chart/chart_frame.h"
#include "chart/curves.h"
#include "inputs/parameters.h"
#include "model/integrator.h"
#include "runtime/checked.h"
#include "runtime/numtext.h"
#include "runtime/scoped_restore.h"

namespace tanvera {

namespace {

// Stores the run in the slot's column, warns once where the tank first overflows (the copy
// ends there) and raises the top of the concentration axis to the values copied.
void CopyResults(FormContext& form)
{
    ChartState& s = form.state;
    const long slot = s.CurveSlot;
    const long steps = s.StepCount;
    s.ComputedFor(slot) = {};
    for (long i = 0; i <= steps; ++i) {
        s.ConcResults(slot, i) = s.ConcPoints(i);
        const bool overflows = TankOverflows(s, slot, i);
        if (overflows)
            form.messages.show(
                "Desbordamniento a t = " + Str(s.TimePoints(i), form.separator) + " (s)");
        const float conc = toSingle(s.ConcResults(slot, i));
        if (conc > s.ConcAxisMax)
            s.ConcAxisMax = conc;
        if (overflows)
            break;
    }
    s.ComputedFor(slot) = {s.MaxTime, s.StepCount};
}

// A curve shown over another time axis is computed again before it is drawn with the new one:
// the boxes are read here without the substitute the maximum-time reaction puts in for a time
// that is not positive, and that reaction may have been cut short by a fault. A fault here
// ends the calculation before the chart is touched, which then still shows its own axis.
void RecomputeCurvesForTheTimeAxis(ChartState& s)
{
    const std::int16_t slot = s.CurveSlot;
    const ScopedRestore keepCurveSlot(s.CurveSlot);
    for (std::int16_t k = 0; k < slot; ++k) {
        if (!ComputedForTimeAxis(s, k)) {
            s.CurveSlot = k;
            RecomputeCurve(s);
        }
    }
}

} // namespace

void Command1_Click(FormContext& form)
{
    ChartState& s = form.state;
    // A fourth curve starts a new chart.
    if (s.CurveSlot > 2)
        ClearChart(form);
    ApplyDecimalCommaToParameters(form);
    ReadInputs(form);
    LimitValve(form);
    if (!ValidateInputs(form))
        return;
    RunIntegration(s);
    CopyResults(form);
    RecomputeCurvesForTheTimeAxis(s);
    form.picture->Cls();
    DrawChartFrame(form);
    PlotCurves(form, s.CurveSlot);
    s.CurveSlot = addInt16(s.CurveSlot, 1);
}

} // namespace tanvera

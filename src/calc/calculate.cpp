// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calculate.h"

#include "chart/chart_frame.h"
#include "chart/curves.h"
#include "inputs/parameters.h"
#include "model/integrator.h"
#include "runtime/checked.h"
#include "runtime/numtext.h"

namespace tanvera {

namespace {

// Stores the run in the slot's column, warns once where the tank first overflows (the copy
// ends there) and raises the top of the concentration axis to the values copied.
void copyResults(FormContext& form)
{
    ChartState& s = form.state;
    const long slot = s.CurveSlot;
    const long steps = s.StepCount;
    long last = 0;
    for (;; ++last) {
        const bool overflows = tankOverflows(s, slot, last);
        // "Desbordamniento" is the program's own spelling, which users know: keep it.
        if (overflows)
            form.messages.show(
                "Desbordamniento a t = " + Str(s.TimePoints(last), form.separator) + " (s)");
        const float conc = toSingle(s.ConcPoints(last));
        if (conc > s.ConcAxisMax)
            s.ConcAxisMax = conc;
        if (overflows || last >= steps)
            break;
    }
    storeRun(s, slot, last);
}

} // namespace

void Command1_Click(FormContext& form)
{
    ChartState& s = form.state;
    // A fourth curve starts a new chart.
    if (s.CurveSlot > 2)
        clearChart(form);
    applyDecimalCommaToParameters(form);
    ReadInputs(form);
    limitValve(form);
    if (!validateInputs(form))
        return;
    RunIntegration(s);
    copyResults(form);
    // The curves shown are drawn over this run's axis: box 3 is read here without the substitute
    // the maximum-time reaction puts in for a time that is not positive.
    DrawChartFrame(form);
    plotCurves(form, s.CurveSlot);
    s.CurveSlot = addInt16(s.CurveSlot, 1);
}

} // namespace tanvera

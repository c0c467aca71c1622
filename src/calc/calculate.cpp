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
void CopyResults(FormContext& form)
{
    ChartState& s = form.state;
    const long slot = s.CurveSlot;
    const long steps = s.StepCount;
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
    form.picture->Cls();
    DrawChartFrame(form);
    PlotCurves(form, s.CurveSlot);
    s.CurveSlot = addInt16(s.CurveSlot, 1);
}

} // namespace tanvera

#include "max_time.h"

#include "chart/chart_frame.h"
#include "chart/curves.h"
#include "model/integrator.h"
#include "parameters.h"
#include "runtime/numtext.h"
#include "runtime/scoped_restore.h"

namespace tanvera {

namespace {

constexpr double SubstituteMaxTime = 0.0001; // s, for a maximum time that is not positive

} // namespace

void Text1_Change(FormContext& form, std::int16_t index)
{
    if (index != 3)
        return;
    ChartState& s = form.state;
    s.MaxTime = Val(form.Text1(3)->text().toStdString());
    if (!(s.MaxTime > 0))
        s.MaxTime = SubstituteMaxTime;
    ShowHours(form);
    form.picture->Cls();
    DrawChartFrame(form);

    // The model reads its slot from CurveSlot, so it points at each curve while that is redone;
    // it is given back on every path, so that a fault does not make the chart forget its curves.
    const std::int16_t shown = s.CurveSlot;
    const ScopedRestore keepCurveSlot(s.CurveSlot);
    for (std::int16_t slot = 0; slot < shown; ++slot) {
        s.CurveSlot = slot;
        RungeKutta(s, s.startTimeValue(), s.MaxTime, s.StepCount, s.InitialConc(slot));
        for (long i = 0; i <= s.StepCount; ++i)
            s.ConcResults(slot, i) = s.ConcPoints(i);
    }
    PlotCurves(form, shown - 1);
}

} // namespace tanvera

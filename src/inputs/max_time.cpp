// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "max_time.h"

#include "chart/chart_frame.h"
#include "chart/curves.h"
#include "model/integrator.h"
#include "parameters.h"
#include "runtime/fault.h"
#include "runtime/numtext.h"

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

    // The model reads its slot from CurveSlot, so it points at each curve while that is redone.
    // A fault leaves it there: that curve and the ones after it cannot be shown over this time
    // axis, so they leave the chart, and the next calculation computes that slot afresh. The
    // curves already redone are drawn before the fault is reported.
    const std::int16_t shown = s.CurveSlot;
    for (std::int16_t slot = 0; slot < shown; ++slot) {
        s.CurveSlot = slot;
        try {
            RecomputeCurve(s);
        } catch (const RuntimeFault&) {
            PlotCurves(form, slot - 1);
            throw;
        }
    }
    s.CurveSlot = shown;
    PlotCurves(form, shown - 1);
}

} // namespace tanvera

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
    showHours(form);
    clearPicture(form);
    DrawChartFrame(form);

    // Each curve shown is done again with its own slot's tank. A fault leaves the curves redone
    // before it drawn, and it and the ones after it off the chart: they cannot be shown over this
    // time axis, and the fault boundary counts CurveSlot back to the curves drawn.
    const std::int16_t shown = s.CurveSlot;
    for (long slot = 0; slot < shown; ++slot) {
        try {
            recomputeCurve(s, slot);
        } catch (const RuntimeFault&) {
            plotCurves(form, slot - 1);
            throw;
        }
    }
    plotCurves(form, shown - 1);
}

} // namespace tanvera

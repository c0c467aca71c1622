// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "max_time.h"

#include "chart/chart_frame.h"
#include "chart/curves.h"
#include "parameters.h"
#include "runtime/numtext.h"

namespace tanvera {

void Text1_Change(FormContext& form, std::int16_t index)
{
    if (index != 3)
        return;
    ChartState& s = form.state;
    s.MaxTime = Val(form.Text1(3)->text().toStdString());
    if (!(s.MaxTime > 0))
        s.MaxTime = 0.0001; // s, the substitute for a time that is not positive
    showHours(form);
    DrawChartFrame(form);
    // Each curve shown is done again over the new axis with its own slot's tank.
    plotCurves(form, s.CurveSlot - 1);
}

} // namespace tanvera

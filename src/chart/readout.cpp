// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "readout.h"

#include "chart_frame.h"
#include "runtime/fault.h"
#include "runtime/numtext.h"

namespace tanvera {

void Picture2_MouseMove(FormContext& form, float X, float Y)
{
    form.picture->showCrosshair();
    const ChartMapping map = ChartMapping::of(form.state, *form.picture);
    double t = 0, C = 0;
    try {
        t = RoundOneDecimal(map.xToTime(X));
        C = RoundOneDecimal(map.yToConc(Y));
    } catch (const RuntimeFault&) {
        // No earlier reading may stand as if it were the pointer's.
        form.Label6->clear();
        throw;
    }
    form.Label6->setText(qText(Str(t, form.separator) + " , " + Str(C, form.separator)));
}

} // namespace tanvera

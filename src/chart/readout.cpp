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
    // The axes on screen, not the state: the boxes change MaxTime and ConcAxisMax before any
    // redraw, and clearing zeroes the scale under a frame that still shows it.
    if (!form.drawn.axes) {
        form.Label6->clear(); // no axes, nothing to read
        return;
    }
    const ChartMapping& map = *form.drawn.axes;
    double t = 0, C = 0;
    try {
        t = roundOneDecimal(map.xToTime(X));
        C = roundOneDecimal(map.yToConc(Y));
    } catch (const RuntimeFault&) {
        // No earlier reading may stand as if it were the pointer's.
        form.Label6->clear();
        throw;
    }
    form.Label6->setText(qText(Str(t, form.separator) + " , " + Str(C, form.separator)));
}

} // namespace tanvera

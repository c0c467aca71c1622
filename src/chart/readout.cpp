// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "readout.h"

#include "runtime/numtext.h"
#include "twips.h"

#include <algorithm>
#include <cmath>

namespace tanvera {

namespace {

// One decimal wherever the axis ends at 1 or more; below that, as many as let a pointer's step
// of one pixel change the reading, so that a small axis does not read 0 all along.
int decimalsFor(double axisEnd, double plotTwips)
{
    const double pixel = std::abs(axisEnd) * TwipsPerPixel / plotTwips;
    if (std::abs(axisEnd) >= 1 || !(pixel > 0))
        return 1;
    return std::max(1, int(std::ceil(-std::log10(pixel))));
}

} // namespace

void Picture2_MouseMove(FormContext& form, float X, float Y)
{
    form.picture->showCrosshair();
    // No earlier reading may stand as if it were the pointer's: none while there are no axes to
    // read, nor where a reading cannot be computed.
    form.Label6->showCaption({});
    // The axes on screen, not the state: the boxes change MaxTime and ConcAxisMax before any
    // redraw, and clearing zeroes the scale under a frame that still shows it.
    if (!form.drawn.axes)
        return;
    const ChartMapping& map = *form.drawn.axes;
    const double t = roundDecimals(map.xToTime(X), decimalsFor(map.maxTime, map.plotWidth()));
    const double C = roundDecimals(map.yToConc(Y), decimalsFor(map.concAxisMax, map.plotHeight()));
    const char sep = form.separator;
    ShownText reading;
    reading.number(t, Str(t, sep), sep) << ",";
    form.Label6->showCaption(reading.number(C, Str(C, sep), sep));
}

} // namespace tanvera

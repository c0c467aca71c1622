// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The chart's fixed frame (axes, grid, scales, titles), and the mapping between chart positions
// in twips and (time, concentration) that drawn_chart.h declares.
#pragma once

#include "form_context.h"

namespace tanvera {

// Wipes the drawing and the record of what it shows together (Cls), then draws the frame for the
// current MaxTime and ConcAxisMax.
void DrawChartFrame(FormContext& form);

} // namespace tanvera

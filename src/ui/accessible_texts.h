// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader hears: each readout named by what it is together with what it shows, and
// the chart by its axes and the curves on it. The captions alone say nothing of what a number is.
#pragma once

#include "chart/form_context.h"

namespace tanvera {

// Gives Picture2 the role of a chart; once per program.
void installChartAccessibility();

// Brings the names of the query result, the hours and the pointer readout in line with their
// captions; cheap enough for every event.
void refreshReadoutAccessibleNames(FormContext& form);

// The legends' names and the chart's description, which change only when the chart does.
void refreshChartAccessibleTexts(FormContext& form);

} // namespace tanvera

// What a screen reader hears: each readout named by what it is together with what it shows, and
// the chart by its axes and the curves on it. The captions alone say nothing of what a number is.
#pragma once

#include "chart/form_context.h"

namespace tanvera {

// Gives Picture2 the role of a chart; once per program.
void InstallChartAccessibility();

// Brings the names and the chart's description in line with what the window shows now.
void RefreshAccessibleTexts(FormContext& form);

} // namespace tanvera

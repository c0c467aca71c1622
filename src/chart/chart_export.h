// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The chart copied out of the program for a report: its curves as numbers and its picture.
#pragma once

#include "form_context.h"

#include <QPixmap>
#include <string>

namespace tanvera {

// The curves on the chart as they were drawn, as tab-separated rows for a spreadsheet: "t (s)"
// and the legends, then one row per point with a curve's cell left empty after its last point;
// numbers as the window writes them.
std::string curvesAsTabSeparated(const DrawnChart& chart, char separator);

// The chart with the legend marks and texts below it, at the window's device pixel ratio.
QPixmap chartWithLegend(const FormContext& form);

} // namespace tanvera

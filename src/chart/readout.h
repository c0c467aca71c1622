// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The pointer readout over the chart.
#pragma once

#include "form_context.h"

namespace tanvera {

// Shows "time , concentration" under the pointer in Label6(0), each to one decimal, or to as
// many as a pixel's step needs on an axis that ends below 1.
void Picture2_MouseMove(FormContext& form, float X, float Y);

} // namespace tanvera

// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The live reaction to an edit of a parameter box: only the maximum time has one.
#pragma once

#include "chart/form_context.h"

#include <cstdint>

namespace tanvera {

// For box 3: rescales the chart to the new maximum time and recomputes and redraws every curve
// shown with its own stored parameters. Other boxes take effect at the next calculation or query.
void Text1_Change(FormContext& form, std::int16_t index);

} // namespace tanvera

// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The concentration in the tank at a time the user types, for the parameters in the boxes.
#pragma once

#include "chart/form_context.h"

namespace tanvera {

// Runs on every change of Text2: integrates slot CurveSlot from 0 to the typed time in 1000 steps
// and shows the concentration there in Label2, with four decimals.
void Text2_Change(FormContext& form);

} // namespace tanvera

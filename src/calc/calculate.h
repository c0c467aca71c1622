// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Calcular": one new curve from the parameter boxes, drawn with the curves already shown.
#pragma once

#include "chart/form_context.h"

namespace tanvera {

void Command1_Click(FormContext& form);

} // namespace tanvera

// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading the parameter boxes into the current curve slot, and the checks that the calculation
// and the time query share: the decimal-comma rule, the valve limit and the validation.
#pragma once

#include "chart/form_context.h"

namespace tanvera {

// Copies boxes 0..4 into slot CurveSlot with their unit conversions, derives the overflow
// volume, the start volume and the outflow, refreshes box 6 and Label5, and raises ConcAxisMax.
void ReadInputs(FormContext& form);

// Replaces every "," by "." in the box. Writing a different text is an edit of the box, whose
// change event runs at once, nested; the same text is no edit.
void applyDecimalComma(QLineEdit* box);

// The decimal-comma rule over Text1(0..6), in ascending order.
void applyDecimalCommaToParameters(FormContext& form);

// A valve opening above 100 % is reported and limited to 100, with the outflow derived again.
void limitValve(FormContext& form);

// Whether slot CurveSlot holds usable inputs; if not, the user is told.
bool validateInputs(FormContext& form);

// "= 5.56 h": the maximum time in hours.
void showHours(FormContext& form);

} // namespace tanvera

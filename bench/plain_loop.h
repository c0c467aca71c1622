// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick of the integration budget: the curve run written as plainly as it can be, the
// same arithmetic in the same order, with no checks, no state record and no indexed tables.
#pragma once

namespace tanvera {

// Fills times[0..n] and concs[0..n]; the same numbers as RungeKutta for the same inputs.
void PlainRungeKutta(double qin, double qout, double v0, double feed, double a, double b, int n,
    double y0, double* times, double* concs);

} // namespace tanvera

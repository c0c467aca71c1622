// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plain_loop.h"

namespace tanvera {

void PlainRungeKutta(double qin, double qout, double v0, double feed, double a, double b, int n,
    double y0, double* times, double* concs)
{
    const double h = (b - a) / n;
    double t = a, y = y0;
    times[0] = t;
    concs[0] = y;
    auto rate = [&](double t, double y) {
        return ((feed * qin + (-y) * qout) - (qin - qout) * y) / ((qin * t - qout * t) + v0);
    };
    for (int i = 1; i <= n; ++i) {
        const double k1 = h * rate(t, y);
        const double k2 = h * rate(t + h / 2.0, y + k1 / 2.0);
        const double k3 = h * rate(t + h / 2.0, y + k2 / 2.0);
        const double k4 = h * rate(t + h, y + k3);
        y = y + (1.0 / 6.0) * (((k1 + 2.0 * k2) + 2.0 * k3) + k4);
        t = t + h;
        times[i] = t;
        concs[i] = y;
    }
}

} // namespace tanvera

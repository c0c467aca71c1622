// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's start values in slot 0 of a fresh state, for the integrator's tests and its
// benchmark, which must run the very curve the tests check.
#pragma once

#include "model/chart_state.h"

#include <memory>

namespace tanvera {

// A slot filled the way the parameter boxes fill it: litres, l/h, mol/m3 and percent, each
// converted in double and stored as a Single.
inline void fillSlot(
    ChartState& s, int slot, double litres, double litresPerHour, double conc, double valve)
{
    s.InflowRate(slot) = static_cast<float>(litresPerHour / 1000 / 60 / 60);
    s.TankVolume(slot) = static_cast<float>(litres / 1000);
    s.MaxVolume(slot) = static_cast<float>(double(s.TankVolume(slot)) * 10);
    s.StartVolume(slot) = s.TankVolume(slot);
    s.InitialConc(slot) = static_cast<float>(conc);
    s.ValveOpening(slot) = static_cast<float>(valve);
    s.OutflowRate(slot)
        = static_cast<float>(double(s.ValveOpening(slot)) * double(s.InflowRate(slot)) / 100);
}

inline std::unique_ptr<ChartState> startValues()
{
    auto s = std::make_unique<ChartState>();
    fillSlot(*s, 0, 5.4, 10, 250, 100);
    s->MaxTime = 20000;
    return s;
}

} // namespace tanvera

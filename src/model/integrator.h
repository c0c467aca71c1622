// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The tank model and its fixed-step Runge-Kutta integrator.
#pragma once

#include "chart_state.h"

#include <cstdint>

namespace tanvera {

// Classical fourth-order Runge-Kutta for the slot's tank from a to b in N equal steps, starting
// at y0: fills rows 0..N of TimePoints and ConcPoints and records the run in pointsFor.
void RungeKutta(ChartState& state, long slot, double a, double b, std::int16_t N, double y0);
// The same for slot CurveSlot.
void RungeKutta(ChartState& state, double a, double b, std::int16_t N, double y0);

// Rows 0..lastRow of the latest run into the slot's column of ConcResults, which then holds that
// run (computedFor), also when it is cut short where the tank overflows.
void storeRun(ChartState& state, long slot, long lastRow);

// The curve run of slot CurveSlot: from 0 to MaxTime in 5000 steps.
void RunIntegration(ChartState& state);

// Leaves the slot's run over the time axis (StartTime to MaxTime in StepCount steps) in its column
// and in TimePoints, computing it again unless both hold it already; CurveSlot is left alone.
void bringToTheTimeAxis(ChartState& state, long slot);

constexpr std::int16_t CurveSteps = 5000;

} // namespace tanvera

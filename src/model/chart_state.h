// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one record of state that every procedure of the window shares. Field names, types and
// index ranges are those of the program's data module; every number is zero at start.
#pragma once

#include "runtime/fixed_array.h"

#include <cstdint>
#include <limits>

namespace tanvera {

constexpr std::ptrdiff_t SlotCount = 4; // curve slots 0..3; slot 3 only receives parameters
constexpr std::ptrdiff_t MaxStep = 10000; // last row of the integrator's tables
constexpr std::ptrdiff_t MaxResultStep = 1000000; // last row of the results table

template <typename T> using SlotArray = FixedArray<T, SlotCount>;

// An integrator run: its start and end times and its step count. The default one stands for no
// run and equals no span, not even itself.
struct RunSpan
{
    double start = std::numeric_limits<double>::quiet_NaN();
    double end = std::numeric_limits<double>::quiet_NaN();
    std::int16_t steps = 0;

    bool operator==(const RunSpan&) const = default;
};

using StepArray = FixedArray<double, MaxStep + 1>;
using ResultTable = FixedTable<double, SlotCount, MaxResultStep + 1>;

struct ChartState
{
    std::int16_t CurveSlot = 0; // slot read and computed next; 3 = three curves shown
    double PlotOffsetX = 0; // left margin of the plot, twips
    double PlotOffsetY = 0; // bottom margin of the plot, twips
    SlotArray<float> InitialConc; // mol/m3
    double MaxTime = 0; // s
    ResultTable ConcResults; // (slot, step), mol/m3
    SlotArray<float> TankVolume; // m3
    SlotArray<float> InflowRate; // m3/s
    SlotArray<float> OutflowRate; // m3/s
    std::int16_t FeedConc = 0; // mol/m3, always 0
    SlotArray<float> ValveOpening; // %
    SlotArray<float> MaxVolume; // m3, where the tank overflows
    SlotArray<float> StartVolume; // m3
    float ConcAxisMax = 0; // top of the concentration axis, mol/m3
    StepArray TimePoints; // s, latest integrator run
    StepArray ConcPoints; // mol/m3, latest integrator run
    RunSpan pointsFor; // the run TimePoints and ConcPoints hold; none while one is under way
    std::int16_t StartTime = 0; // s; an empty Variant before the first run, which reads as 0 too
    double EndTime = 0; // s
    double StartConc = 0; // mol/m3
    std::int16_t StepCount = 0; // steps of the latest run set up
    // The run each slot's column holds: a curve is drawn only over the time axis of its run.
    SlotArray<RunSpan> computedFor;
};

} // namespace tanvera

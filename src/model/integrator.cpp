// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "integrator.h"

#include "runtime/checked.h"

namespace tanvera {

namespace {

// The formulas below are written once and instantiated twice: with plain doubles for speed, and
// with checked doubles (Dbl) to name the exact fault. Plain arithmetic lets an overflow or a
// division by zero run on as an infinity or a NaN; the few places where one could vanish again (a
// finite number divided by an infinite volume) are tested, as is every step's result, and a step
// that went wrong is computed again with checks, which meet the same fault: IEEE is deterministic.
struct UncheckedStepFailed
{ };

inline void requireFinite(double value)
{
    if (!std::isfinite(value))
        throw UncheckedStepFailed {};
}
inline void requireFinite(Dbl) { }

// What the model takes from a slot; a run reads it once, since nothing changes it meanwhile.
struct Tank
{
    double Qin, Qout, V0, F;
};

template <typename Num> Num rate(const Tank& tank, Num t, Num Y)
{
    const Num Qin = tank.Qin, Qout = tank.Qout, V0 = tank.V0, F = tank.F;

    // The expanded form, in this order, fixes the rounding of the result.
    const Num p = F * Qin;
    const Num q = p + (-Y) * Qout;
    const Num d = Qin - Qout;
    const Num numerator = q - d * Y;
    const Num volume = (Qin * t - Qout * t) + V0;
    requireFinite(volume);
    const Num result = numerator / volume;
    requireFinite(result);
    return result;
}

template <typename Num> void step(const Tank& tank, Num h, Num& t, Num& Y)
{
    const Num k1 = h * rate(tank, t, Y); // k1 = h·f(t, Y)
    const Num k2 = h * rate(tank, t + h / 2.0, Y + k1 / 2.0); // k2 = h·f(t + h/2, Y + k1/2)
    const Num k3 = h * rate(tank, t + h / 2.0, Y + k2 / 2.0); // k3 = h·f(t + h/2, Y + k2/2)
    const Num k4 = h * rate(tank, t + h, Y + k3); // k4 = h·f(t + h, Y + k3)
    const Num sixth = 1.0 / 6.0;
    Y = Y + sixth * (((k1 + 2.0 * k2) + 2.0 * k3) + k4);
    t = t + h;
    requireFinite(Y);
    requireFinite(t);
}

// Why a run stopped, for the user: a volume that reached zero, or a run that blew up.
std::string stopHint(FaultKind kind)
{
    if (kind == FaultKind::Overflow)
        return "La integración se volvió inestable cerca de t = {t} s: pruebe con un tiempo "
               "máximo menor o un volumen mayor.";
    return "El volumen de líquido del depósito llega a cero cerca de t = {t} s.";
}

// The step again with every operation checked; it raises the fault the plain step met.
[[noreturn]] void raiseStepFault(const Tank& tank, double h, double t, double Y)
{
    try {
        Dbl checkedT = t, checkedY = Y;
        step<Dbl>(tank, h, checkedT, checkedY);
    } catch (const RuntimeFault& fault) {
        throw RuntimeFault(fault.kind(), stopHint(fault.kind()), t);
    }
    throw RuntimeFault(FaultKind::Overflow, stopHint(FaultKind::Overflow), t);
}

} // namespace

void RungeKutta(ChartState& state, long slot, double a, double b, std::int16_t N, double y0)
{
    const double h = double((Dbl(b) - a) / Dbl(N));
    double t = a;
    double Y = y0;
    state.pointsFor = {}; // a run that stops half way leaves rows of two runs
    state.TimePoints(0) = t;
    state.ConcPoints(0) = Y;

    const Tank tank {state.InflowRate(slot), state.OutflowRate(slot), state.StartVolume(slot),
        static_cast<float>(state.FeedConc)};
    for (long i = 1; i <= N; ++i) {
        const double stepStartT = t, stepStartY = Y;
        try {
            step(tank, h, t, Y);
        } catch (const UncheckedStepFailed&) {
            raiseStepFault(tank, h, stepStartT, stepStartY);
        }
        state.TimePoints(i) = t;
        state.ConcPoints(i) = Y;
    }
    state.pointsFor = {a, b, N};
}

void RungeKutta(ChartState& state, double a, double b, std::int16_t N, double y0)
{
    RungeKutta(state, state.CurveSlot, a, b, N, y0);
}

void storeRun(ChartState& state, long slot, long lastRow)
{
    for (long i = 0; i <= lastRow; ++i)
        state.ConcResults(slot, i) = state.ConcPoints(i);
    state.computedFor(slot) = state.pointsFor;
}

void RunIntegration(ChartState& state)
{
    state.StartTime = 0;
    state.EndTime = state.MaxTime;
    state.StartConc = state.InitialConc(state.CurveSlot);
    state.StepCount = CurveSteps;
    RungeKutta(state, state.StartTime, state.EndTime, CurveSteps, state.StartConc);
}

void bringToTheTimeAxis(ChartState& state, long slot)
{
    const RunSpan axis {double(state.StartTime), state.MaxTime, state.StepCount};
    // The curve is drawn over TimePoints too, which a query's run may have taken since.
    if (state.computedFor(slot) == axis && state.pointsFor == axis)
        return;
    RungeKutta(state, slot, axis.start, axis.end, axis.steps, state.InitialConc(slot));
    storeRun(state, slot, axis.steps);
}

} // namespace tanvera

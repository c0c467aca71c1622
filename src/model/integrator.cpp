#include "integrator.h"

#include "runtime/checked.h"
#include "runtime/numtext.h"

namespace tanvera {

double f(const ChartState& state, double t, double Y)
{
    const long s = state.CurveSlot;
    const Dbl Qin = state.InflowRate(s);
    const Dbl Qout = state.OutflowRate(s);
    const Dbl V0 = state.StartVolume(s);
    const Dbl F = static_cast<float>(state.FeedConc);

    // The expanded form, in this order, fixes the rounding of the result.
    const Dbl p = F * Qin;
    const Dbl q = p + (-Dbl(Y)) * Qout;
    const Dbl d = Qin - Qout;
    const Dbl numerator = q - d * Y;
    const Dbl volume = (Qin * t - Qout * t) + V0;
    return double(numerator / volume);
}

namespace {

    // Why a run stopped, for the user: a volume that reached zero, or a run that blew up.
    std::string stopHint(FaultKind kind, double t)
    {
        const std::string at = Str(t, '.') + " s";
        if (kind == FaultKind::Overflow)
            return "La integración se volvió inestable cerca de t = " + at
                + ": pruebe con un tiempo máximo menor o un volumen mayor.";
        return "El volumen de líquido del depósito llega a cero cerca de t = " + at + ".";
    }

} // namespace

void RungeKutta(ChartState& state, double a, double b, std::int16_t N, double y0)
{
    const Dbl h = (Dbl(b) - a) / Dbl(N);
    Dbl t = a;
    Dbl Y = y0;
    state.TimePoints(0) = double(t);
    state.ConcPoints(0) = double(Y);

    const Dbl sixth = 1.0 / 6.0;
    for (long i = 1; i <= N; ++i) {
        try {
            const Dbl k1 = h * f(state, double(t), double(Y)); // k1 = h·f(t, Y)
            const Dbl k2 = h * f(state, double(t + h / 2.0), double(Y + k1 / 2.0)); // k2 = h·f(t + h/2, Y + k1/2)
            const Dbl k3 = h * f(state, double(t + h / 2.0), double(Y + k2 / 2.0)); // k3 = h·f(t + h/2, Y + k2/2)
            const Dbl k4 = h * f(state, double(t + h), double(Y + k3)); // k4 = h·f(t + h, Y + k3)
            Y = Y + sixth * (((k1 + 2.0 * k2) + 2.0 * k3) + k4);
            t = t + h;
        } catch (const RuntimeFault& fault) {
            if (fault.kind() == FaultKind::IndexOutOfRange || !fault.hint().empty())
                throw;
            throw RuntimeFault(fault.kind(), stopHint(fault.kind(), double(t)));
        }
        state.TimePoints(i) = double(t);
        state.ConcPoints(i) = double(Y);
    }
}

void RunIntegration(ChartState& state)
{
    state.StartTime = 0;
    state.EndTime = state.MaxTime;
    state.StartConc = state.InitialConc(state.CurveSlot);
    state.StepCount = CurveSteps;
    RungeKutta(state, state.startTimeValue(), state.EndTime, CurveSteps, state.StartConc);
}

} // namespace tanvera

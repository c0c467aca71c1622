#include "curves.h"

#include "chart_frame.h"
#include "runtime/checked.h"
#include "runtime/numtext.h"

namespace tanvera {

namespace {

constexpr double PointRadius = 10;

std::uint32_t slotColour(long k)
{
    static const FixedArray<std::uint32_t, 3> colours = [] {
        FixedArray<std::uint32_t, 3> c;
        c(0) = RGB(255, 0, 0);
        c(1) = RGB(0, 255, 0);
        c(2) = RGB(0, 0, 255);
        return c;
    }();
    return colours(k);
}

} // namespace

std::string LegendText(const ChartState& s, long k, char sep)
{
    const float litres = toSingle(double(Dbl(s.TankVolume(k)) * 1000.0));
    const float litresPerHour = toSingle(double(Dbl(s.InflowRate(k)) * 1000.0 * 60.0 * 60.0));
    return "V = " + Str(litres, sep) + " (l) -- Q = " + Str(litresPerHour, sep)
        + " (l/h) -- Co = " + Str(s.ConcResults(k, 0), sep)
        + " (mol/m3) -- Ap.Valv = " + Str(s.ValveOpening(k), sep) + " (%)";
}

bool TankOverflows(const ChartState& s, long k, long j)
{
    const Dbl t = s.TimePoints(j);
    const Dbl volume = (Dbl(s.InflowRate(k)) * t - t * s.OutflowRate(k)) + s.StartVolume(k);
    return double(volume) > double(s.MaxVolume(k));
}

void PlotCurves(FormContext& form, long lastSlot)
{
    const ChartState& s = form.state;
    Picture2& picture = *form.picture;
    for (long k = 0; k <= lastSlot; ++k) {
        const ChartMapping map = ChartMapping::of(s, picture);
        const long steps = s.StepCount;
        const std::uint32_t colour = slotColour(k);
        for (long j = 0; j <= steps; ++j) {
            picture.Circle(
                map.stepToX(j, steps), map.concToY(s.ConcResults(k, j)), PointRadius, colour);
            if (j == 0) {
                form.Line3(k)->setVisible(true);
                form.Label4(k)->setText(qText(LegendText(s, k, form.separator)));
            }
            if (TankOverflows(s, k, j))
                break;
        }
    }
}

void HideLegendsOfUndrawnCurves(FormContext& form)
{
    for (long k = 0; k <= 2; ++k) {
        if (!form.picture->hasCircleOf(slotColour(k)))
            form.Line3(k)->setVisible(false);
    }
}

void ClearChart(FormContext& form)
{
    form.picture->Cls();
    DrawChartFrame(form);
    form.state.ConcAxisMax = 0;
    for (long k = 0; k <= 2; ++k) {
        form.Line3(k)->setVisible(false);
        form.Label4(k)->setText(QString());
    }
    form.state.CurveSlot = 0;
}

} // namespace tanvera

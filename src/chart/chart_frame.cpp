// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart_frame.h"

#include "runtime/checked.h"
#include "runtime/numtext.h"

namespace tanvera {

namespace {

constexpr std::uint32_t GridGrey = RGB(200, 200, 200);

void printAt(Picture2& picture, double x, double y, const std::string& text)
{
    picture.setCurrentX(toSingle(x));
    picture.setCurrentY(toSingle(y));
    picture.Print(text);
}

void printNumberAt(Picture2& picture, double x, double y, double value, char separator)
{
    picture.setCurrentX(toSingle(x));
    picture.setCurrentY(toSingle(y));
    picture.PrintNumber(value, separator);
}

void line(Picture2& picture, double x1, double y1, double x2, double y2)
{
    picture.Line(toSingle(x1), toSingle(y1), toSingle(x2), toSingle(y2));
}

void greyLine(Picture2& picture, double x1, double y1, double x2, double y2)
{
    picture.Line(toSingle(x1), toSingle(y1), toSingle(x2), toSingle(y2), GridGrey);
}

} // namespace

void DrawChartFrame(FormContext& form)
{
    ChartState& s = form.state;
    Picture2& picture = *form.picture;
    s.PlotOffsetX = 800;
    s.PlotOffsetY = 300;
    const Dbl W = picture.Width(), H = picture.Height();
    const Dbl X0 = s.PlotOffsetX, Y0 = s.PlotOffsetY;
    const Dbl Pw = W - X0 - PlotMargin, Ph = H - Y0 - PlotMargin;

    // Axes, then the grid over them; each line overhangs the axes by 100 as a tick.
    line(picture, double(X0 - 100.0), double(H - Y0), double(W - 100.0), double(H - Y0));
    line(picture, double(X0), double(H - Y0 + 100.0), double(X0), 100);
    for (int k = 1; k <= 3; ++k) {
        const Dbl y = Ph * k / 4.0 + 100.0;
        greyLine(picture, double(X0 - 100.0), double(y), double(W - 100.0), double(y));
    }
    greyLine(picture, double(X0 - 100.0), 100, double(W - 100.0), 100);
    for (int k = 1; k <= 4; ++k) {
        const Dbl x = X0 + Pw * k / 4.0;
        greyLine(picture, double(x), double(H - Y0 + 100.0), double(x), 100);
    }

    // Concentration scale: the lower values derive from the one-decimal top value as shown.
    const char sep = form.separator;
    const std::string top = Format(s.ConcAxisMax, Pattern::OneDecimalNoLeadingZero, '.');
    const Dbl v = Val(top);
    const std::string shownTop = Replace(top, ".", std::string(1, sep));
    printAt(picture, double(X0 - 500.0), 1, shownTop);
    form.drawn.concAxisTop = shownTop;
    printAt(picture, 1, 400, "Conc. HCl");
    printAt(picture, 1, 600, "(mol/m3)");
    for (int k = 1; k <= 3; ++k)
        printNumberAt(picture, double(X0 - 500.0), double(Ph * k / 4.0 - 100.0),
            double(v * (4 - k) / 4.0), sep);
    printAt(picture, double(X0 - 200.0), double(H - Y0), "0");

    // Time scale along the bottom; the inner values use W - PlotOffsetX, not the plot width.
    const double y = double(H - 200.0);
    const Dbl T = s.MaxTime;
    printAt(picture, double(X0 - 100.0), y, "0");
    for (int k = 1; k <= 3; ++k)
        printNumberAt(picture, double((W - X0) * k / 4.0 + (X0 - 100.0) - 200.0), y,
            double(T * k / 4.0), sep);
    printAt(picture, double(W - 850.0), y, "t(s)");
    printNumberAt(picture, double(W - 500.0), y, double(T), sep);
    form.drawn.timeAxisEnd = Str(double(T), sep);
    form.drawn.axes = ChartMapping::of(s, picture);
}

void ClearPicture(FormContext& form)
{
    form.picture->Cls();
    form.drawn = {};
}

ChartMapping ChartMapping::of(const ChartState& state, const Picture2& picture)
{
    return {picture.Width(), picture.Height(), state.PlotOffsetX, state.PlotOffsetY, state.MaxTime,
        state.ConcAxisMax};
}

float ChartMapping::stepToX(long j, long steps) const
{
    const Dbl x = Dbl(double(j)) * plotWidth() / Dbl(double(steps)) + (offsetX - 100.0) + 100.0;
    return toSingle(double(x));
}

float ChartMapping::concToY(double conc) const
{
    const Dbl y = (Dbl(offsetY) - 100.0) + plotHeight()
        - (Dbl(H) - offsetY - 100.0) * conc / concAxisMax - 100.0;
    return toSingle(double(y));
}

double ChartMapping::xToTime(double x) const
{
    const Dbl Pw = plotWidth();
    return double(Dbl(x) * maxTime / Pw - Dbl(offsetX) * maxTime / Pw);
}

double ChartMapping::yToConc(double y) const
{
    const Dbl Ph = plotHeight();
    const Dbl top = concAxisMax;
    return double((-top) / Ph * y + top + top * 100.0 / Ph);
}

} // namespace tanvera

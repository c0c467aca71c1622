// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart_export.h"

#include "curves.h"
#include "runtime/numtext.h"

#include <QPainter>
#include <algorithm>

namespace tanvera {

std::vector<double> DrawnTimes(const ChartState& s)
{
    const long steps = std::clamp<long>(s.StepCount, 0, MaxStep);
    return std::vector<double>(&s.TimePoints(0), &s.TimePoints(steps) + 1);
}

bool AnyCurveShown(const FormContext& form)
{
    for (long k = 0; k <= 2; ++k) {
        if (!form.Line3(k)->isHidden())
            return true;
    }
    return false;
}

DrawnCurves CaptureDrawnCurves(const FormContext& form, const std::vector<double>& drawnTimes)
{
    const std::uint32_t colours[] = {CurveColour(0), CurveColour(1), CurveColour(2)};
    long points[3] = {};
    for (const Picture2::Item& item : form.picture->items()) {
        if (item.kind != Picture2::Item::Kind::Circle)
            continue;
        for (int k = 0; k < 3; ++k)
            points[k] += item.colour == colours[k];
    }
    const ChartState& s = form.state;
    DrawnCurves drawn;
    long longest = 0;
    for (long k = 0; k <= 2; ++k) {
        const long n = std::min<long>(points[k], static_cast<long>(drawnTimes.size()));
        if (form.Line3(k)->isHidden() || n == 0)
            continue;
        drawn.curves.push_back({form.Label4(k)->text().toStdString(),
            std::vector<double>(&s.ConcResults(k, 0), &s.ConcResults(k, n - 1) + 1)});
        longest = std::max(longest, n);
    }
    drawn.times.assign(drawnTimes.begin(), drawnTimes.begin() + longest);
    return drawn;
}

std::string CurvesAsTabSeparated(const DrawnCurves& drawn, char separator)
{
    std::string text = "t (s)";
    for (const auto& curve : drawn.curves)
        text += '\t' + curve.legend;
    text += '\n';
    for (std::size_t j = 0; j < drawn.times.size(); ++j) {
        text += Str(drawn.times[j], separator);
        for (const auto& curve : drawn.curves) {
            text += '\t';
            if (j < curve.conc.size())
                text += Str(curve.conc[j], separator);
        }
        text += '\n';
    }
    return text;
}

QPixmap ChartWithLegend(const FormContext& form)
{
    // Drawn widget by widget: the maximum-time box overlaps the chart's top edge in the window.
    std::vector<QWidget*> parts {form.picture};
    for (long k = 0; k <= 2; ++k) {
        parts.push_back(form.Line3(k));
        parts.push_back(form.Label4(k));
    }
    QRect region;
    for (QWidget* part : parts)
        region |= part->geometry();
    const qreal ratio = form.picture->devicePixelRatioF();
    QPixmap image(region.size() * ratio);
    image.setDevicePixelRatio(ratio);
    image.fill(form.picture->palette().color(QPalette::Window));
    QPainter painter(&image);
    for (QWidget* part : parts) {
        if (!part->isHidden())
            part->render(&painter, part->pos() - region.topLeft());
    }
    return image;
}

} // namespace tanvera

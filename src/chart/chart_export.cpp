// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart_export.h"

#include "runtime/numtext.h"

#include <QPainter>
#include <span>

namespace tanvera {

std::string curvesAsTabSeparated(const DrawnChart& chart, char separator)
{
    const std::span curves(chart.curves.data(), static_cast<std::size_t>(chart.curveCount()));
    const std::vector<double>& times = chart.times;
    std::string text = "t (s)";
    for (const auto& curve : curves)
        text += '\t' + curve.legend.whole();
    text += '\n';
    for (std::size_t j = 0; j < times.size(); ++j) {
        text += Str(times[j], separator);
        for (const auto& curve : curves) {
            text += '\t';
            if (j < curve.conc.size())
                text += Str(curve.conc[j], separator);
        }
        text += '\n';
    }
    return text;
}

QPixmap chartWithLegend(const FormContext& form)
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

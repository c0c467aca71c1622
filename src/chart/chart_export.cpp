#include "chart_export.h"

#include "curves.h"
#include "runtime/numtext.h"

#include <QPainter>
#include <algorithm>

namespace tanvera {

DrawnCurves CaptureDrawnCurves(const FormContext& form)
{
    FixedArray<std::size_t, 3> points {};
    for (const Picture2::Item& item : form.picture->items()) {
        if (item.kind != Picture2::Item::Kind::Circle)
            continue;
        for (long k = 0; k <= 2; ++k) {
            if (item.colour == CurveColour(k))
                ++points(k);
        }
    }
    const ChartState& s = form.state;
    DrawnCurves drawn;
    std::size_t longest = 0;
    for (long k = 0; k <= 2; ++k) {
        if (form.Line3(k)->isHidden() || points(k) == 0)
            continue;
        DrawnCurves::Curve curve {form.Label4(k)->text().toStdString(), {}};
        for (std::size_t j = 0; j < points(k); ++j)
            curve.conc.push_back(s.ConcResults(k, static_cast<long>(j)));
        longest = std::max(longest, points(k));
        drawn.curves.push_back(std::move(curve));
    }
    for (std::size_t j = 0; j < longest; ++j)
        drawn.times.push_back(s.TimePoints(static_cast<long>(j)));
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

// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart_frame.h"

#include "runtime/checked.h"
#include "runtime/numtext.h"
#include "twips.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace tanvera {

namespace {

constexpr std::uint32_t GridGrey = RGB(200, 200, 200);

// The rule for every text of the frame, in pixels at scale 1: each lies whole inside the picture
// with a blank column and row between it and the box's border, a blank pixel between it and any
// line, and five blank columns between it and the text beside it, so that a digit never merges
// into a line or into the next number.
constexpr int LineClearance = 1;
constexpr int NeighbourGap = 5;
constexpr int AllDigits = 15;

// A text the frame asks for at (x, y) in twips. A number carries its value, so that a shorter
// form of it can stand in where the full one finds no room; `blanks` marks the number rule of
// Print: a blank before (none before a minus), the digits, a blank.
struct Wanted
{
    std::string text;
    double x, y;
    std::optional<double> value;
    bool blanks = false;
};

std::string withBlanks(double value, const std::string& digits)
{
    return (value < 0 ? "" : " ") + digits + " ";
}

Wanted number(double x, double y, double value, char sep)
{
    return {withBlanks(value, Str(value, sep)), x, y, value, true};
}

// Lays out the frame's texts among its lines.
class ScaleLayout
{
public:
    explicit ScaleLayout(const Picture2& picture)
        : m_picture(picture)
        , m_fullType(QFontInfo(picture.font()).pixelSize())
        , m_fullAscent(QFontMetrics(asAtScaleOne(picture.font())).ascent())
    { }

    // A line of the frame, as the pixels it covers at scale 1 (twips to pixels rounds down).
    void addLine(double x1, double y1, double x2, double y2)
    {
        auto pixel = [](double twips) { return int(std::floor(twips / TwipsPerPixel)); };
        m_lines.push_back(QRect(QPoint(pixel(std::min(x1, x2)), pixel(std::min(y1, y2))),
            QPoint(pixel(std::max(x1, x2)), pixel(std::max(y1, y2)))));
    }

    // The texts of one row or column, in order, where they are asked for if they fit there;
    // else moved along their rows as little as makes them fit; else all of them in smaller
    // type, down to SmallestPixelSize; and at that, their numbers in ever shorter forms.
    std::vector<DrawnChart::Text> place(const std::vector<Wanted>& group, char sep) const
    {
        std::vector<DrawnChart::Text> laid;
        for (int pixels = m_fullType;; --pixels) {
            const bool smallest = pixels <= SmallestPixelSize;
            for (int digits = AllDigits; digits >= (smallest ? 1 : AllDigits); --digits) {
                if (tryPlace(group, pixels, digits, sep, laid))
                    return laid;
            }
            if (smallest)
                return laid; // no form fits: the shortest, as near its place as it goes
        }
    }

private:
    // The frame is laid out as at scale 1 on every screen: under a scale factor Qt sets type
    // without hinting, whose ink reaches a pixel lower, and the frame would take smaller type on
    // a hi-DPI screen than on any other.
    QFont asAtScaleOne(QFont type) const
    {
        if (m_picture.devicePixelRatioF() != 1)
            type.setHintingPreference(QFont::PreferVerticalHinting);
        return type;
    }

    // A text's ink in pixels, the columns from floor(left) to before ceil(right) and the rows
    // likewise; blanks carry none. Placed at `left`, between `lowest` and `highest`.
    struct Placed
    {
        std::string text;
        double originOffset; // from the ink's left edge back to the text's corner
        double left, width, top, bottom;
        double lowest, highest;
        int firstRow() const { return int(std::floor(top)); }
        int lastRow() const { return int(std::ceil(bottom)) - 1; }
        double right() const { return left + width; }
    };

    bool tryPlace(const std::vector<Wanted>& group, int pixels, int digits, char sep,
        std::vector<DrawnChart::Text>& laid) const
    {
        const int shownPixels = pixels == m_fullType ? 0 : pixels;
        const QFont type = asAtScaleOne(m_picture.textFont(shownPixels));
        const QFontMetricsF metrics(type);
        // Smaller type keeps the baseline, which Picture2 sets an ascent below the corner.
        const int ascent = QFontMetrics(type).ascent();
        const double lowered = (m_fullAscent - ascent) * TwipsPerPixel;
        const int width = m_picture.width(), height = m_picture.height();
        std::vector<Placed> row;
        bool fits = true;
        for (const Wanted& wanted : group) {
            std::string text = wanted.text;
            if (digits < AllDigits && wanted.value) {
                const std::string shorter = Str(*wanted.value, sep, digits);
                text = wanted.blanks ? withBlanks(*wanted.value, shorter) : shorter;
            }
            const QString shown = QString::fromStdString(text);
            const auto first = qsizetype(text.find_first_not_of(' '));
            const auto end = qsizetype(text.find_last_not_of(' ') + 1);
            const QRectF ink = metrics.tightBoundingRect(shown.mid(first, end - first));
            const double x = wanted.x / TwipsPerPixel, y = (wanted.y + lowered) / TwipsPerPixel;
            Placed placed {text, 0, x + metrics.horizontalAdvance(shown.left(first)), 0,
                y + ascent + ink.top(), y + ascent + ink.bottom(), 0, 0};
            placed.width = x + metrics.horizontalAdvance(shown.left(end)) - placed.left;
            placed.originOffset = x - placed.left;
            placed.lowest = 1 + LineClearance;
            placed.highest = width - 1 - LineClearance - placed.width;
            fits = fits && placed.firstRow() >= 1 + LineClearance
                && placed.lastRow() <= height - 2 - LineClearance;
            for (const QRect& line : m_lines) {
                const bool besideIt = placed.lastRow() >= line.top() - LineClearance
                    && placed.firstRow() <= line.bottom() + LineClearance;
                if (besideIt && line.left() >= placed.left)
                    placed.highest
                        = std::min(placed.highest, line.left() - LineClearance - placed.width);
                else if (besideIt)
                    placed.lowest = std::max(placed.lowest, line.right() + 1.0 + LineClearance);
            }
            row.push_back(std::move(placed));
        }

        // Neighbours whose rows come near each other stand apart along them: first each moves
        // left as far as the one after it needs, then right as far as the one before it needs.
        auto near = [&](std::size_t i) {
            return row[i].lastRow() >= row[i + 1].firstRow() - NeighbourGap
                && row[i].firstRow() <= row[i + 1].lastRow() + NeighbourGap;
        };
        std::vector<double> at(row.size());
        for (std::size_t i = row.size(); i-- > 0;) {
            at[i] = std::min(row[i].left, row[i].highest);
            if (i + 1 < row.size() && near(i))
                at[i] = std::min(at[i], std::floor(at[i + 1]) - NeighbourGap - row[i].width);
        }
        for (std::size_t i = 0; i < row.size(); ++i) {
            at[i] = std::max(at[i], row[i].lowest);
            if (i > 0 && near(i - 1))
                at[i] = std::max(at[i], std::ceil(at[i - 1] + row[i - 1].width) + NeighbourGap);
            fits = fits && at[i] <= row[i].highest;
        }

        laid.clear();
        for (std::size_t i = 0; i < row.size(); ++i) {
            const Wanted& wanted = group[i];
            const double x
                = at[i] == row[i].left ? wanted.x : (at[i] + row[i].originOffset) * TwipsPerPixel;
            laid.push_back({row[i].text, toSingle(x), toSingle(wanted.y + lowered), shownPixels});
        }
        return fits;
    }

    const Picture2& m_picture;
    const int m_fullType;
    const int m_fullAscent;
    std::vector<QRect> m_lines;
};

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
    ScaleLayout layout(picture);
    auto line = [&](Dbl x1, Dbl y1, Dbl x2, Dbl y2, std::optional<std::uint32_t> colour) {
        const float a = toSingle(double(x1)), b = toSingle(double(y1));
        const float c = toSingle(double(x2)), d = toSingle(double(y2));
        if (colour)
            picture.Line(a, b, c, d, *colour);
        else
            picture.Line(a, b, c, d);
        layout.addLine(a, b, c, d);
    };
    line(X0 - 100.0, H - Y0, W - 100.0, H - Y0, std::nullopt);
    line(X0, H - Y0 + 100.0, X0, Dbl(100), std::nullopt);
    for (int k = 1; k <= 3; ++k) {
        const Dbl y = Ph * k / 4.0 + 100.0;
        line(X0 - 100.0, y, W - 100.0, y, GridGrey);
    }
    line(X0 - 100.0, Dbl(100), W - 100.0, Dbl(100), GridGrey);
    for (int k = 1; k <= 4; ++k) {
        const Dbl x = X0 + Pw * k / 4.0;
        line(x, H - Y0 + 100.0, x, Dbl(100), GridGrey);
    }

    // Concentration scale and title, top down: the lower values derive from the one-decimal top
    // value as shown.
    const char sep = form.separator;
    const std::string top = Format(s.ConcAxisMax, Pattern::OneDecimalNoLeadingZero, '.');
    const Dbl v = Val(top);
    std::vector<Wanted> column {
        {Replace(top, ".", std::string(1, sep)), double(X0 - 500.0), 1, double(v), false},
        {"Conc. HCl", 1, 400, {}}, {"(mol/m3)", 1, 600, {}}};
    for (int k = 1; k <= 3; ++k)
        column.push_back(number(
            double(X0 - 500.0), double(Ph * k / 4.0 - 100.0), double(v * (4 - k) / 4.0), sep));
    column.push_back({"0", double(X0 - 200.0), double(H - Y0), {}});

    // Time scale along the bottom; the inner values use W - PlotOffsetX, not the plot width.
    const double y = double(H - 200.0);
    const Dbl T = s.MaxTime;
    std::vector<Wanted> row {{"0", double(X0 - 100.0), y, {}}};
    for (int k = 1; k <= 3; ++k)
        row.push_back(
            number(double((W - X0) * k / 4.0 + (X0 - 100.0) - 200.0), y, double(T * k / 4.0), sep));
    row.push_back({"t(s)", double(W - 850.0), y, {}});
    row.push_back(number(double(W - 500.0), y, double(T), sep));

    // Printed as laid out, and recorded as printed.
    std::vector<DrawnChart::Text> scale = layout.place(column, sep);
    for (DrawnChart::Text& text : layout.place(row, sep))
        scale.push_back(std::move(text));
    for (const DrawnChart::Text& text : scale) {
        picture.setTextPixels(text.pixels);
        picture.setCurrentX(text.x);
        picture.setCurrentY(text.y);
        picture.Print(text.text);
    }
    picture.setTextPixels(0);
    form.drawn.scale = std::move(scale);
    form.drawn.axes = ChartMapping::of(s, picture);
}

void clearPicture(FormContext& form)
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

// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart_frame.h"

#include "runtime/checked.h"
#include "runtime/numtext.h"
#include "text_fit.h"
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
// into a line or into the next number; and a value of the time row keeps its middle within a
// quarter of the ticks' spacing from its own tick, so that it never reads as another's.
constexpr int LineClearance = 1;
constexpr int NeighbourGap = 5;

// A text the frame asks for at (x, y) in twips. A number carries its value, so that a shorter
// form of it can stand in where the full one finds no room; `blanks` marks the number rule of
// Print: a blank before (none before a minus), the digits, a blank. `tick`: the x of the grid
// line a time value labels.
struct AskedText
{
    std::string text;
    double x, y;
    std::optional<double> value;
    bool blanks = false;
    std::optional<double> tick = {};
};

std::string withBlanks(double value, const std::string& digits)
{
    return (value < 0 ? "" : " ") + digits + " ";
}

AskedText number(double x, double y, double value, char sep, std::optional<double> tick = {})
{
    return {withBlanks(value, Str(value, sep)), x, y, value, true, tick};
}

// A number of a group shown in fewer digits: every number of the group to the step of the
// largest one's last digit, each in as few digits as keep it within half that step, so that a
// column reads in one precision ("3,4E+38", "2,55E+38", "1,7E+38", "8,5E+37").
std::string inGroupPrecision(double value, double largest, int digits, char sep)
{
    const double step = std::pow(10.0, std::floor(std::log10(largest)) - digits + 1);
    for (int kept = 1; kept < digits; ++kept) {
        if (std::abs(Val(Str(value, '.', kept)) - value) <= step / 2)
            return Str(value, sep, kept);
    }
    return Str(value, sep, digits);
}

// Lays out the frame's texts among its lines.
class ScaleLayout
{
public:
    ScaleLayout(const Picture2& picture, double tickSpacing)
        : m_picture(picture)
        , m_fullType(QFontInfo(picture.font()).pixelSize())
        , m_fullAscent(QFontMetrics(asAtScaleOne(picture.font())).ascent())
        , m_tickSpacing(tickSpacing / TwipsPerPixel)
    { }

    // A line of the frame, as the pixels it covers at scale 1 (twips to pixels rounds down).
    void addLine(double x1, double y1, double x2, double y2)
    {
        auto pixel = [](double twips) { return int(std::floor(twips / TwipsPerPixel)); };
        m_lines.push_back(QRect(QPoint(pixel(std::min(x1, x2)), pixel(std::min(y1, y2))),
            QPoint(pixel(std::max(x1, x2)), pixel(std::max(y1, y2)))));
    }

    // The texts of one row or column, in order, by the one fitting search: where asked for, or
    // moved along their row as little as keeps them apart, in the first type and form of their
    // numbers that has room; where none has, the shortest, as near its place as it goes.
    std::vector<DrawnChart::Text> place(const std::vector<AskedText>& group, char sep) const
    {
        QFont type = m_picture.font();
        type.setPixelSize(m_fullType);
        std::vector<DrawnChart::Text> tried;
        const auto laid = fitSearch(type, [&](const QFont& at, int digits) {
            return tryPlace(group, at.pixelSize(), digits, sep, tried);
        });
        return laid ? *laid : tried;
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
    };

    // The text as shown in that type and form, with the room its row leaves it among the lines
    // and the box's border; none where its rows do not fit inside the box.
    std::optional<Placed> measure(const AskedText& asked, const QFontMetricsF& metrics, int ascent,
        double lowered, std::string text) const
    {
        const QString shown = QString::fromStdString(text);
        const auto first = qsizetype(text.find_first_not_of(' '));
        const auto end = qsizetype(text.find_last_not_of(' ') + 1);
        const QRectF ink = metrics.tightBoundingRect(shown.mid(first, end - first));
        const double x = asked.x / TwipsPerPixel, y = (asked.y + lowered) / TwipsPerPixel;
        Placed placed {std::move(text), 0, x + metrics.horizontalAdvance(shown.left(first)), 0,
            y + ascent + ink.top(), y + ascent + ink.bottom(), 0, 0};
        placed.width = x + metrics.horizontalAdvance(shown.left(end)) - placed.left;
        placed.originOffset = x - placed.left;
        placed.lowest = 1 + LineClearance;
        placed.highest = m_picture.width() - 1 - LineClearance - placed.width;
        if (placed.firstRow() < 1 + LineClearance
            || placed.lastRow() > m_picture.height() - 2 - LineClearance)
            return std::nullopt;
        for (const QRect& line : m_lines) {
            const bool besideIt = placed.lastRow() >= line.top() - LineClearance
                && placed.firstRow() <= line.bottom() + LineClearance;
            if (besideIt && line.left() >= placed.left)
                placed.highest
                    = std::min(placed.highest, line.left() - LineClearance - placed.width);
            else if (besideIt)
                placed.lowest = std::max(placed.lowest, line.right() + 1.0 + LineClearance);
        }
        return placed;
    }

    // Where each text's ink starts, its neighbours whose rows come near it standing apart along
    // them: first each moves left as far as the one after it needs, then right as far as the
    // one before it needs. None where a text then leaves its room.
    static std::optional<std::vector<double>> spread(const std::vector<Placed>& row)
    {
        auto rowsClose = [&](std::size_t i) {
            return row[i].lastRow() >= row[i + 1].firstRow() - NeighbourGap
                && row[i].firstRow() <= row[i + 1].lastRow() + NeighbourGap;
        };
        std::vector<double> starts(row.size());
        for (std::size_t i = row.size(); i-- > 0;) {
            starts[i] = std::min(row[i].left, row[i].highest);
            if (i + 1 < row.size() && rowsClose(i))
                starts[i]
                    = std::min(starts[i], std::floor(starts[i + 1]) - NeighbourGap - row[i].width);
        }
        bool fits = true;
        for (std::size_t i = 0; i < row.size(); ++i) {
            starts[i] = std::max(starts[i], row[i].lowest);
            if (i > 0 && rowsClose(i - 1))
                starts[i] = std::max(
                    starts[i], std::ceil(starts[i - 1] + row[i - 1].width) + NeighbourGap);
            fits = fits && starts[i] <= row[i].highest;
        }
        return fits ? std::optional(starts) : std::nullopt;
    }

    std::optional<std::vector<DrawnChart::Text>> tryPlace(const std::vector<AskedText>& group,
        int pixels, int digits, char sep, std::vector<DrawnChart::Text>& tried) const
    {
        const int shownPixels = pixels == m_fullType ? 0 : pixels;
        const QFont type = asAtScaleOne(m_picture.textFont(shownPixels));
        const QFontMetricsF metrics(type);
        // Smaller type keeps the baseline, which Picture2 sets an ascent below the corner.
        const int ascent = QFontMetrics(type).ascent();
        const double lowered = (m_fullAscent - ascent) * TwipsPerPixel;
        double largest = 0;
        for (const AskedText& asked : group)
            largest = std::max(largest, std::abs(asked.value.value_or(0)));

        std::vector<Placed> row;
        for (const AskedText& asked : group) {
            std::string text = asked.text;
            if (digits < AllDigits && asked.value && *asked.value != 0) {
                const std::string shorter = inGroupPrecision(*asked.value, largest, digits, sep);
                text = asked.blanks ? withBlanks(*asked.value, shorter) : shorter;
            }
            const auto placed = measure(asked, metrics, ascent, lowered, std::move(text));
            if (!placed)
                return std::nullopt;
            row.push_back(*placed);
        }
        const auto starts = spread(row);
        bool nearTheirTicks = starts.has_value();
        tried.clear();
        for (std::size_t i = 0; i < row.size(); ++i) {
            const AskedText& asked = group[i];
            const double start = starts ? (*starts)[i] : row[i].left;
            const double x
                = start == row[i].left ? asked.x : (start + row[i].originOffset) * TwipsPerPixel;
            tried.push_back({row[i].text, toSingle(x), toSingle(asked.y + lowered), shownPixels});
            const double centre = start + row[i].width / 2;
            if (asked.tick && std::abs(centre - *asked.tick / TwipsPerPixel) >= m_tickSpacing / 4)
                nearTheirTicks = false;
        }
        return nearTheirTicks ? std::optional(tried) : std::nullopt;
    }

    const Picture2& m_picture;
    const int m_fullType;
    const int m_fullAscent;
    const double m_tickSpacing; // pixels between the time row's ticks
    std::vector<QRect> m_lines;
};

// Axes, then the grid over them; each line overhangs the axes by 100 as a tick. The frame's
// positions lie within the picture's fixed size: plain arithmetic cannot overflow in them.
void drawLines(Picture2& picture, const ChartMapping& f, ScaleLayout& layout)
{
    auto line = [&](double a, double b, double c, double d, std::optional<std::uint32_t> colour) {
        const float x1 = toSingle(a), y1 = toSingle(b), x2 = toSingle(c), y2 = toSingle(d);
        if (colour)
            picture.Line(x1, y1, x2, y2, *colour);
        else
            picture.Line(x1, y1, x2, y2);
        layout.addLine(x1, y1, x2, y2);
    };
    line(f.offsetX - 100.0, f.H - f.offsetY, f.W - 100.0, f.H - f.offsetY, std::nullopt);
    line(f.offsetX, f.H - f.offsetY + 100.0, f.offsetX, 100.0, std::nullopt);
    for (int k = 1; k <= 3; ++k) {
        const double y = f.plotHeight() * k / 4.0 + 100.0;
        line(f.offsetX - 100.0, y, f.W - 100.0, y, GridGrey);
    }
    line(f.offsetX - 100.0, 100.0, f.W - 100.0, 100.0, GridGrey);
    for (int k = 1; k <= 4; ++k) {
        const double x = f.offsetX + f.plotWidth() * k / 4.0;
        line(x, f.H - f.offsetY + 100.0, x, 100.0, GridGrey);
    }
}

// The concentration scale and its title, top down. The top to one decimal and the lower values
// derived from it, wherever that rounding moves the top by less than 1 %; elsewhere, as for a top
// of 0.04 or 0.26, the values the lines really have, in as few digits as read each within 1 % of
// the top and tell every line from the others and from the "0" below them.
std::vector<AskedText> concentrationColumn(const ChartMapping& f, char sep)
{
    const float top = f.concAxisMax;
    const std::string rounded = Format(top, Pattern::OneDecimalNoLeadingZero, '.');
    const Dbl v = Val(rounded);
    const bool asRounded = double(v) == top || std::abs(double(v) - top) < 0.01 * top;
    std::vector<AskedText> column;
    for (int digits = asRounded ? AllDigits : 1; column.size() < 4; ++digits) {
        column.clear();
        for (int k = 0; k <= 3; ++k) {
            const double value = double((asRounded ? v : Dbl(top)) * (4 - k) / 4.0);
            const std::string text = asRounded && k == 0 ? rounded : Str(value, '.', digits);
            const bool apart = std::abs(Val(text) - value) < 0.01 * top && text != "0"
                && std::none_of(column.begin(), column.end(),
                    [&](const AskedText& line) { return Str(*line.value, '.', digits) == text; });
            if (!apart && digits < AllDigits)
                break;
            const std::string shown = Replace(text, ".", std::string(1, sep));
            column.push_back({k == 0 ? shown : withBlanks(value, shown), f.offsetX - 500.0,
                k == 0 ? 1 : f.plotHeight() * k / 4.0 - 100.0, value, k > 0});
        }
    }
    column.insert(column.begin() + 1, {{"Conc. HCl", 1, 400, {}}, {"(mol/m3)", 1, 600, {}}});
    column.push_back({"0", f.offsetX - 200.0, f.H - f.offsetY, {}});
    return column;
}

// The time scale along the bottom; the inner values use W - PlotOffsetX, not the plot width.
std::vector<AskedText> timeRow(const ChartMapping& f, char sep)
{
    const double y = f.H - 200.0;
    const Dbl T = f.maxTime; // may reach the top of the Double range
    auto tick = [&](int k) { return f.offsetX + f.plotWidth() * k / 4.0; };
    std::vector<AskedText> row {{"0", f.offsetX - 100.0, y, {}, false, tick(0)}};
    for (int k = 1; k <= 3; ++k)
        row.push_back(number((f.W - f.offsetX) * k / 4.0 + (f.offsetX - 100.0) - 200.0, y,
            double(T * k / 4.0), sep, tick(k)));
    row.push_back({"t(s)", f.W - 850.0, y, {}});
    row.push_back(number(f.W - 500.0, y, f.maxTime, sep, tick(4)));
    return row;
}

} // namespace

void DrawChartFrame(FormContext& form)
{
    ChartState& s = form.state;
    Picture2& picture = *form.picture;
    picture.Cls();
    form.drawn = {};
    s.PlotOffsetX = 800;
    s.PlotOffsetY = 300;
    const ChartMapping map = ChartMapping::of(s, picture);
    ScaleLayout layout(picture, map.plotWidth() / 4.0);
    drawLines(picture, map, layout);

    // Printed as laid out, and recorded as printed.
    const char sep = form.separator;
    std::vector<DrawnChart::Text> scale = layout.place(concentrationColumn(map, sep), sep);
    for (DrawnChart::Text& text : layout.place(timeRow(map, sep), sep))
        scale.push_back(std::move(text));
    for (const DrawnChart::Text& text : scale) {
        picture.setTextPixels(text.pixels);
        picture.setCurrentX(text.x);
        picture.setCurrentY(text.y);
        picture.Print(text.text);
    }
    picture.setTextPixels(0);
    form.drawn.scale = std::move(scale);
    form.drawn.axes = map;
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

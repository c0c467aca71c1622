// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture2.h"

#include "runtime/numtext.h"
#include "twips.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace tanvera {

namespace {

// A colour value r + 256·g + 65536·b as Qt's pixel value.
QRgb toQRgb(std::uint32_t rgb)
{
    return qRgb(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

struct Segment
{
    double x1, y1, x2, y2;
};

// Exact arithmetic on doubles (Shewchuk's expansions): where a line crosses the chart must not
// depend on how far away its ends lie, and ends up to 3.4e38 would swamp a plain double.
void twoSum(double a, double b, double& sum, double& error)
{
    sum = a + b;
    const double bPart = sum - a, aPart = sum - bPart;
    error = (a - aPart) + (b - bPart);
}

void twoProduct(double a, double b, double& product, double& error)
{
    auto split = [](double v, double& high, double& low) {
        const double c = 134217729.0 * v; // 2^27 + 1
        high = c - (c - v);
        low = v - high;
    };
    product = a * b;
    double aHigh, aLow, bHigh, bLow;
    split(a, aHigh, aLow);
    split(b, bHigh, bLow);
    error = aLow * bLow - (((product - aHigh * bHigh) - aLow * bHigh) - aHigh * bLow);
}

// y1·(x2 - c) - y2·(x1 - c), exact up to its final rounding, for Single inputs.
double crossTerm(double y1, double x2, double y2, double x1, double c)
{
    double parts[16];
    int count = 0;
    auto add = [&](double value) { // grows a nonoverlapping expansion
        for (int i = 0; i < count; ++i)
            twoSum(value, parts[i], value, parts[i]);
        parts[count++] = value;
    };
    double high, low, product, error;
    twoSum(x2, -c, high, low);
    for (double term : {high, low}) {
        twoProduct(y1, term, product, error);
        add(product);
        add(error);
    }
    twoSum(x1, -c, high, low);
    for (double term : {high, low}) {
        twoProduct(-y2, term, product, error);
        add(product);
        add(error);
    }
    double sum = 0;
    for (int i = 0; i < count; ++i)
        sum += parts[i];
    return sum;
}

// The part of a segment that lies within the rectangle, from where it enters to where it leaves.
std::optional<Segment> visiblePart(const Segment& s, const QRectF& rect)
{
    if (!std::isfinite(s.x1) || !std::isfinite(s.y1) || !std::isfinite(s.x2)
        || !std::isfinite(s.y2))
        return std::nullopt;
    const double left = rect.left(), right = rect.right(), top = rect.top(), bottom = rect.bottom();
    const double dx = s.x2 - s.x1, dy = s.y2 - s.y1;
    std::array<QPointF, 6> found;
    std::size_t count = 0;
    auto inside
        = [&](double x, double y) { return x >= left && x <= right && y >= top && y <= bottom; };
    if (inside(s.x1, s.y1))
        found[count++] = {s.x1, s.y1};
    if (inside(s.x2, s.y2))
        found[count++] = {s.x2, s.y2};
    // Crossings with the edges' lines, each worked out exactly from both ends.
    for (double x : {left, right}) {
        if (dx != 0 && std::min(s.x1, s.x2) <= x && x <= std::max(s.x1, s.x2)) {
            const double y = crossTerm(s.y1, s.x2, s.y2, s.x1, x) / dx;
            if (y >= top && y <= bottom)
                found[count++] = {x, y};
        }
    }
    for (double y : {top, bottom}) {
        if (dy != 0 && std::min(s.y1, s.y2) <= y && y <= std::max(s.y1, s.y2)) {
            const double x = crossTerm(s.x1, s.y2, s.x2, s.y1, y) / dy;
            if (x >= left && x <= right)
                found[count++] = {x, y};
        }
    }
    if (count == 0)
        return std::nullopt;
    // Ordered along the segment: by x, or by y for an upright one.
    auto along = [&](const QPointF& p) {
        return dx != 0 ? (dx > 0 ? p.x() : -p.x()) : (dy > 0 ? p.y() : -p.y());
    };
    const auto [first, last] = std::minmax_element(found.begin(), found.begin() + count,
        [&](const QPointF& a, const QPointF& b) { return along(a) < along(b); });
    return Segment {first->x(), first->y(), last->x(), last->y()};
}

} // namespace

Picture2::Picture2(float widthTwips, float heightTwips, QWidget* parent)
    : QWidget(parent)
    , m_width(widthTwips)
    , m_height(heightTwips)
{
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void Picture2::Cls()
{
    m_items.clear();
    m_texts.clear();
    m_rendered = 0;
    ++m_generation;
    requestRepaint();
}

void Picture2::Line(float x1, float y1, float x2, float y2)
{
    append({Item::Kind::Line, x1, y1, x2, y2, 0, true, 0});
}

void Picture2::Line(float x1, float y1, float x2, float y2, std::uint32_t colour)
{
    append({Item::Kind::Line, x1, y1, x2, y2, colour, false, 0});
}

void Picture2::Circle(float x, float y, float radius, std::uint32_t colour)
{
    append({Item::Kind::Circle, x, y, radius, 0, colour, false, 0});
}

void Picture2::Print(const std::string& text)
{
    // A text that would run past the right edge is moved left just enough to end on it: a number
    // cut there would read as another number. Trailing blanks may run over; nothing is seen of
    // them. Every text that fits stays where it was asked to be.
    float x = m_currentX;
    const QString shown = QString::fromStdString(text);
    qsizetype inked = shown.size();
    while (inked > 0 && shown[inked - 1].isSpace())
        --inked;
    const double width = QFontMetricsF(font()).horizontalAdvance(shown.left(inked)) * TwipsPerPixel;
    if (x < m_width && x + width > m_width)
        x = static_cast<float>(m_width - width);
    m_texts.push_back(text);
    append({Item::Kind::Text, x, m_currentY, 0, 0, 0, true,
        static_cast<std::uint32_t>(m_texts.size() - 1)});
}

void Picture2::PrintNumber(double value, char separator)
{
    const std::string digits = Str(value, separator);
    Print((value < 0 ? "" : " ") + digits + " ");
}

void Picture2::showCrosshair()
{
    if (cursor().shape() != Qt::CrossCursor)
        setCursor(Qt::CrossCursor);
}

void Picture2::append(const Item& item)
{
    m_items.push_back(item);
    ++m_generation;
    requestRepaint();
}

// One update() per batch of drawing: a redraw appends thousands of items.
void Picture2::requestRepaint()
{
    if (!m_updateRequested) {
        m_updateRequested = true;
        update();
    }
}

bool Picture2::hasCircleOf(std::uint32_t colour) const
{
    return std::any_of(m_items.begin(), m_items.end(), [colour](const Item& item) {
        return item.kind == Item::Kind::Circle && item.colour == colour;
    });
}

const QImage& Picture2::renderedImage()
{
    renderNewItems();
    return m_image;
}

void Picture2::renderNewItems()
{
    const qreal ratio = devicePixelRatioF();
    const QSize devicePixels = size() * ratio;
    if (m_image.size() != devicePixels || m_image.devicePixelRatio() != ratio) {
        m_image = QImage(devicePixels, QImage::Format_RGB32);
        m_image.setDevicePixelRatio(ratio);
        m_rendered = 0;
    }
    if (m_rendered == 0)
        m_image.fill(palette().color(QPalette::Window));
    if (m_rendered == m_items.size())
        return;

    const double toDevice = ratio / TwipsPerPixel;
    const QColor foreground = palette().color(QPalette::WindowText);
    const QTransform inTwips = QTransform::fromScale(1 / TwipsPerPixel, 1 / TwipsPerPixel);
    const Canvas canvas(m_image);
    // Lines are cut to the image, with room for the pen, before the painter sees them: its
    // fixed-point rasteriser cannot take far-off points.
    const QSizeF logical = QSizeF(m_image.size()) / ratio;
    const double margin = 2 * TwipsPerPixel;
    const QRectF lineRect(-margin, -margin, logical.width() * TwipsPerPixel + 2 * margin,
        logical.height() * TwipsPerPixel + 2 * margin);
    QPainter painter(&m_image);
    painter.setTransform(inTwips);
    for (; m_rendered < m_items.size(); ++m_rendered) {
        const Item& item = m_items[m_rendered];
        if (item.kind == Item::Kind::Circle) {
            // Every curve point has the same radius: the stamp is made once.
            if (m_dots.radius() != item.x2 * toDevice)
                m_dots = DotStamp(item.x2 * toDevice);
            m_dots.stamp(canvas, item.x1 * toDevice, item.y1 * toDevice, toQRgb(item.colour));
            continue;
        }
        const QColor colour = item.foreground ? foreground : QColor(toQRgb(item.colour));
        if (item.kind == Item::Kind::Line) {
            const auto part = visiblePart({item.x1, item.y1, item.x2, item.y2}, lineRect);
            if (part) {
                painter.setPen(QPen(colour, TwipsPerPixel));
                painter.drawLine(QPointF(part->x1, part->y1), QPointF(part->x2, part->y2));
            }
            continue;
        }
        // Text in logical pixels, so the font keeps its hinting; a text whose box (with a line's
        // height of room around it for overhangs) cannot meet the image is left out.
        const QString text = QString::fromStdString(textOf(item));
        const QFontMetricsF metrics(font());
        const double x = item.x1 / TwipsPerPixel, y = item.y1 / TwipsPerPixel;
        const double room = metrics.height();
        if (!(x < logical.width() + room && y < logical.height() + room
                && x + metrics.horizontalAdvance(text) + room > 0 && y + 2 * room > 0))
            continue;
        painter.resetTransform();
        painter.setPen(colour);
        painter.setFont(font());
        painter.drawText(QPointF(x, y + painter.fontMetrics().ascent()), text);
        painter.setTransform(inTwips);
    }
}

void Picture2::paintEvent(QPaintEvent*)
{
    m_updateRequested = false;
    renderNewItems();
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), m_image);
    painter.setPen(palette().color(hasFocus() ? QPalette::Highlight : QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void Picture2::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = event->position() * TwipsPerPixel;
    emit mouseMoved(static_cast<float>(at.x()), static_cast<float>(at.y()));
}

} // namespace tanvera

// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture2.h"

#include "twips.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <optional>

namespace tanvera {

QRgb toQRgb(std::uint32_t rgb)
{
    return qRgb(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

namespace {

// The part of a line within the rectangle (Liang–Barsky), or none. The chart's own lines lie
// inside and come back unchanged; a line from anywhere a Single reaches is cut short enough for
// the painter, whose fixed-point rasteriser cannot take far-off points.
std::optional<QLineF> visiblePart(const QLineF& line, const QRectF& rect)
{
    const double x = line.x1(), y = line.y1(), dx = line.dx(), dy = line.dy();
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(dx) || !std::isfinite(dy))
        return std::nullopt;
    // Both ends beyond one edge: nothing shows, however the fractions below would round.
    const auto [left, right] = std::minmax({line.x1(), line.x2()});
    const auto [top, bottom] = std::minmax({line.y1(), line.y2()});
    if (right < rect.left() || left > rect.right() || bottom < rect.top() || top > rect.bottom())
        return std::nullopt;
    double enter = 0, leave = 1; // the visible stretch, as fractions of the line
    // Keeps the stretch on the inner side of one edge, where p·t <= q; a line along an edge
    // (p = 0) lies on its inner side, or it was left out above.
    auto within = [&](double p, double q) {
        if (p < 0)
            enter = std::max(enter, q / p);
        else if (p > 0)
            leave = std::min(leave, q / p);
        return enter <= leave;
    };
    if (!(within(-dx, x - rect.left()) && within(dx, rect.right() - x)
            && within(-dy, y - rect.top()) && within(dy, rect.bottom() - y)))
        return std::nullopt;
    // Far ends leave rounding errors beyond the rectangle; the cut stays on it.
    auto at = [&](double t) {
        return QPointF(std::clamp(x + t * dx, rect.left(), rect.right()),
            std::clamp(y + t * dy, rect.top(), rect.bottom()));
    };
    return QLineF(enter == 0 ? line.p1() : at(enter), leave == 1 ? line.p2() : at(leave));
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
    requestRepaint();
}

void Picture2::Line(float x1, float y1, float x2, float y2)
{
    append({Item::Kind::Line, x1, y1, x2, y2, 0, true, 0, 0});
}

void Picture2::Line(float x1, float y1, float x2, float y2, std::uint32_t colour)
{
    append({Item::Kind::Line, x1, y1, x2, y2, colour, false, 0, 0});
}

void Picture2::Circle(float x, float y, float radius, std::uint32_t colour)
{
    append({Item::Kind::Circle, x, y, radius, 0, colour, false, 0, 0});
}

void Picture2::Print(const std::string& text)
{
    m_texts.push_back(text);
    append({Item::Kind::Text, m_currentX, m_currentY, 0, 0, 0, true, m_textPixels,
        static_cast<std::uint32_t>(m_texts.size() - 1)});
}

QFont Picture2::textFont(int pixels) const
{
    QFont sized = font();
    if (pixels > 0)
        sized.setPixelSize(pixels);
    return sized;
}

void Picture2::showCrosshair()
{
    if (cursor().shape() != Qt::CrossCursor)
        setCursor(Qt::CrossCursor);
}

void Picture2::append(const Item& item)
{
    m_items.push_back(item);
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

// An image as large as the widget on its screen, blank until the items are painted into it.
void Picture2::fitImageToScreen()
{
    const qreal ratio = devicePixelRatioF();
    if (m_image.size() != size() * ratio || m_image.devicePixelRatio() != ratio) {
        m_image = QImage(size() * ratio, QImage::Format_RGB32);
        m_image.setDevicePixelRatio(ratio);
        m_rendered = 0;
    }
    if (m_rendered == 0)
        m_image.fill(palette().color(QPalette::Window));
}

void Picture2::renderNewItems()
{
    fitImageToScreen();
    if (m_rendered == m_items.size())
        return;
    const double toDevice = m_image.devicePixelRatio() / TwipsPerPixel;
    const Canvas canvas(m_image);
    QPainter painter(&m_image);
    for (; m_rendered < m_items.size(); ++m_rendered) {
        const Item& item = m_items[m_rendered];
        const QColor colour
            = item.foreground ? palette().color(QPalette::WindowText) : QColor(toQRgb(item.colour));
        if (item.kind == Item::Kind::Circle) {
            // Every curve point has the same radius: the stamp is made once.
            if (m_dots.radius() != item.x2 * toDevice)
                m_dots = DotStamp(item.x2 * toDevice);
            m_dots.stamp(canvas, item.x1 * toDevice, item.y1 * toDevice, toQRgb(item.colour));
        } else if (item.kind == Item::Kind::Line) {
            paintLine(painter, item, colour);
        } else {
            paintText(painter, item, colour);
        }
    }
}

// Cut to the image, with room for the pen, before the painter sees it: its fixed-point
// rasteriser cannot take far-off points.
void Picture2::paintLine(QPainter& painter, const Item& item, const QColor& colour) const
{
    const QSizeF twips = QSizeF(m_image.size()) / m_image.devicePixelRatio() * TwipsPerPixel;
    const double margin = 2 * TwipsPerPixel;
    const QRectF inside(-margin, -margin, twips.width() + 2 * margin, twips.height() + 2 * margin);
    if (const auto part = visiblePart(QLineF(item.x1, item.y1, item.x2, item.y2), inside)) {
        painter.setTransform(QTransform::fromScale(1 / TwipsPerPixel, 1 / TwipsPerPixel));
        painter.setPen(QPen(colour, TwipsPerPixel));
        painter.drawLine(*part);
    }
}

// In logical pixels, so the font keeps its hinting; a text whose box (with a line's height of
// room around it for overhangs) cannot meet the image is left out.
void Picture2::paintText(QPainter& painter, const Item& item, const QColor& colour) const
{
    const QSizeF logical = QSizeF(m_image.size()) / m_image.devicePixelRatio();
    const QString text = QString::fromStdString(m_texts[item.text]);
    const QFont type = textFont(item.textPixels);
    const QFontMetricsF metrics(type);
    const double x = item.x1 / TwipsPerPixel, y = item.y1 / TwipsPerPixel;
    const double room = metrics.height();
    if (!(x < logical.width() + room && y < logical.height() + room
            && x + metrics.horizontalAdvance(text) + room > 0 && y + 2 * room > 0))
        return;
    painter.resetTransform();
    painter.setPen(colour);
    painter.setFont(type);
    painter.drawText(QPointF(x, y + painter.fontMetrics().ascent()), text);
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

// The chart takes its presses. Qt in a browser closes every menu after a press that nothing took,
// and so would close the chart's menu as soon as the right button opened it.
void Picture2::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

// The menu key and Shift+F10 ask for the chart's menu as a right click does. Only some platforms
// turn them into that request themselves (Windows both, X11 the menu key, a browser neither).
void Picture2::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Menu
        && !(event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    const QPoint centre = rect().center();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, centre, mapToGlobal(centre));
    QCoreApplication::sendEvent(this, &request);
}

} // namespace tanvera

#include "picture2.h"

#include "runtime/numtext.h"
#include "twips.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace tanvera {

namespace {

// A colour value r + 256·g + 65536·b as Qt's pixel value.
QRgb toQRgb(std::uint32_t rgb)
{
    return qRgb(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
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
    m_texts.push_back(text);
    append({Item::Kind::Text, m_currentX, m_currentY, 0, 0, 0, true,
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
            painter.setPen(QPen(colour, TwipsPerPixel));
            painter.drawLine(QPointF(item.x1, item.y1), QPointF(item.x2, item.y2));
            continue;
        }
        // Text in logical pixels, so the font keeps its hinting.
        painter.resetTransform();
        painter.setPen(colour);
        painter.setFont(font());
        const QPointF corner(item.x1 / TwipsPerPixel, item.y1 / TwipsPerPixel);
        painter.drawText(corner + QPointF(0, painter.fontMetrics().ascent()),
            QString::fromStdString(textOf(item)));
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

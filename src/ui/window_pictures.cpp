// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_pictures.h"

#include "baked_pictures.h"

#include <QImageReader>
#include <QPainter>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <algorithm>

namespace tanvera {

QImage svgPicture(const QString& file, QSize devicePixels)
{
    QImage baked = bakedPicture(file, devicePixels);
    if (!baked.isNull())
        return baked;
    QImageReader reader(file);
    reader.setScaledSize(devicePixels);
    QImage drawn = reader.read();
    if (drawn.isNull()) // no SVG image plugin, as in the Windows build
        drawn = nearestBakedPicture(file, devicePixels)
                    .scaled(devicePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return drawn;
}

QIcon svgIcon(const QString& file)
{
    QIcon icon;
    for (QSize size : bakedSizes(file))
        icon.addPixmap(QPixmap::fromImage(svgPicture(file, size)));
    return icon;
}

SvgPicture::SvgPicture(const QString& file, QWidget* parent)
    : QWidget(parent)
    , m_file(file)
{ }

void SvgPicture::paintEvent(QPaintEvent*)
{
    const qreal scale = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * scale).toSize();
    if (m_picture.size() != pixels || m_scale != scale) {
        m_picture = svgPicture(m_file, pixels);
        m_scale = scale;
        if (scale != 1)
            m_picture.setDevicePixelRatio(scale);
    }
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_picture);
}

void FrameBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    // Where the style's picture would go: below the title, shaded a little darker.
    const int top = std::max(style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight),
                        option.fontMetrics.height())
        + 3;
    const QColor face = palette().color(QPalette::Window);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(face.darker(111));
    painter.setBrush(face.darker(101));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, top + 0.5, -0.5, -0.5), 2, 2);
    option.subControls = QStyle::SC_GroupBoxLabel;
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}

} // namespace tanvera

// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's pictures and the frame of the time query, drawn without loading the Qt SVG
// library or any image-format plugin at start-up.
#pragma once

#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QWidget>

namespace tanvera {

// A picture from an SVG file at a size in device pixels: as drawn at build time for that size,
// else drawn now by Qt's SVG image plugin, else (no plugin) the nearest built one, smoothly scaled.
QImage svgPicture(const QString& file, QSize devicePixels);

// The window icon in the sizes a title bar and a task bar ask for, without the SVG icon plugin,
// which would be loaded only for this.
QIcon svgIcon(const QString& file);

// A picture from an SVG file, drawn again only when its size or scale changes.
class SvgPicture : public QWidget
{
public:
    SvgPicture(const QString& file, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_file;
    QImage m_picture;
    qreal m_scale = 1;
};

// A group box that draws its frame by hand, in the style's look: the style's frame is a picture
// file, and loading the first one opens every image-format plugin, a start-up cost for nothing.
class FrameBox : public QGroupBox
{
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tanvera

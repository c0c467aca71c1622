// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The chart's drawing surface: keeps everything drawn until Cls, in twips from its top-left
// corner. Each operation is recorded in a display list, so that the drawing can be rendered again
// at any device pixel ratio, and rendered into an image; paintEvent only copies that image.
#pragma once

#include "dot_stamp.h"

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

namespace tanvera {

// An RGB() value, r + 256·g + 65536·b, as Qt's pixel value.
QRgb toQRgb(std::uint32_t rgb);

class Picture2 : public QWidget
{
    Q_OBJECT

public:
    Picture2(float widthTwips, float heightTwips, QWidget* parent = nullptr);

    // The box's outer size in twips.
    float Width() const { return m_width; }
    float Height() const { return m_height; }

    void Cls();
    void Line(float x1, float y1, float x2, float y2); // in the foreground colour
    void Line(float x1, float y1, float x2, float y2, std::uint32_t colour);
    void Circle(float x, float y, float radius, std::uint32_t colour);
    void setCurrentX(float x) { m_currentX = x; }
    void setCurrentY(float y) { m_currentY = y; }
    // The type size of the texts printed next, in pixels; 0 for the box's own font.
    void setTextPixels(int pixels) { m_textPixels = static_cast<std::uint8_t>(pixels); }
    // The box's font at that size.
    QFont textFont(int pixels) const;
    // Prints a text unchanged with its top-left corner at (CurrentX, CurrentY).
    void Print(const std::string& text);
    void showCrosshair();

signals:
    // The pointer's position in twips.
    void mouseMoved(float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Item
    {
        enum class Kind { Line, Circle, Text };
        Kind kind;
        float x1, y1, x2, y2; // a line's ends; a circle's centre and radius in x2; a text's corner
        std::uint32_t colour; // RGB() value
        bool foreground; // drawn in the box's foreground colour instead of `colour`
        std::uint8_t textPixels; // a text's type size in pixels; 0 for the box's own font
        std::uint32_t text; // a text's index in m_texts: texts are kept apart, items stay small
    };

    void append(const Item& item);
    void requestRepaint();
    void fitImageToScreen();
    void renderNewItems();
    void paintLine(QPainter& painter, const Item& item, const QColor& colour) const;
    void paintText(QPainter& painter, const Item& item, const QColor& colour) const;

    float m_width;
    float m_height;
    float m_currentX = 0;
    float m_currentY = 0;
    std::uint8_t m_textPixels = 0;
    std::vector<Item> m_items;
    std::vector<std::string> m_texts;
    QImage m_image;
    std::size_t m_rendered = 0; // items already in m_image
    bool m_updateRequested = false;
    DotStamp m_dots;
};

} // namespace tanvera

// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "line_control.h"

#include <QPainter>

namespace tanvera {

LineControl::LineControl(QPoint from, QPoint to, QColor colour, int widthPixels, QWidget* parent)
    : QWidget(parent)
    , m_colour(colour)
    , m_width(widthPixels)
{
    const QRect bounds = QRect(from, to).normalized().adjusted(0, 0, widthPixels, widthPixels);
    setGeometry(bounds);
    m_from = from - bounds.topLeft();
    m_to = to - bounds.topLeft();
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor colour = m_colour.isValid() ? m_colour : palette().color(QPalette::WindowText);
    painter.setPen(QPen(colour, m_width, Qt::SolidLine, Qt::FlatCap));
    const QPointF half(m_width / 2.0, m_width / 2.0);
    painter.drawLine(QPointF(m_from) + half, QPointF(m_to) + half);
}

} // namespace tanvera

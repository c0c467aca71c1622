// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A straight line laid on the window, like the rules of the query frame and the legend marks.
#pragma once

#include <QColor>
#include <QWidget>

namespace tanvera {

class LineControl : public QWidget
{
    Q_OBJECT

public:
    // The end points in the parent's pixels; an invalid colour draws in the window-text colour.
    LineControl(QPoint from, QPoint to, QColor colour, int widthPixels, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint m_from;
    QPoint m_to;
    QColor m_colour;
    int m_width;
};

} // namespace tanvera

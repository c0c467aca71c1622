// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the chart shows, kept as it is drawn: the ends of its axes as printed and, for each curve,
// the points drawn with the times they stand for and its legend. The frame, the curve plotting
// and clearing write it; the legends, the screen-reader texts and "Copiar datos" read it, so
// none of them has to work out from the drawing or from the shared state what the chart shows.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace tanvera {

struct DrawnChart
{
    struct Curve
    {
        std::vector<double> times; // s, one per point drawn
        std::vector<double> conc; // mol/m3, one per point drawn
        std::string legend;

        bool drawn() const { return !conc.empty(); }
    };

    std::string timeAxisEnd; // as printed, without blanks; empty while no frame is drawn
    std::string concAxisTop;
    std::array<Curve, 3> curves; // by slot; the curves drawn are always slots 0..count - 1

    int curveCount() const
    {
        int count = 0;
        while (count < int(curves.size()) && curves[count].drawn())
            ++count;
        return count;
    }
};

} // namespace tanvera

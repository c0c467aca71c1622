// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Drawing the computed curves with their legends, and clearing the chart, within a calculation or
// by the button "Borrar Gráfica".
#pragma once

#include "form_context.h"
#include "runtime/numtext.h"

#include <cstdint>

namespace tanvera {

// How each slot's curve looks: the colour of its dots and of its legend mark, and the name a
// screen reader gives it. Colours chosen for a light chart.
struct CurveLook
{
    std::uint32_t colour; // RGB() value
    const char* name;
};
inline constexpr CurveLook CurveLooks[] = {
    {RGB(255, 0, 0), "Curva roja"},
    {RGB(0, 255, 0), "Curva verde"},
    {RGB(0, 0, 255), "Curva azul"},
};

// "V = … (l) -- Q = … (l/h) -- Co = … (mol/m3) -- Ap.Valv = … (%)" for slot k.
ShownText legendText(const ChartState& state, long k, char separator);

// Whether the liquid of slot k stands above its tank's capacity at step j of the latest run.
bool tankOverflows(const ChartState& state, long k, long j);

// Draws the curves of slots 0..lastSlot over the frame already drawn, each up to the step where
// its tank overflows and computed again first where its column holds another time axis; shows
// their legends and records what is drawn. A fault ends the redraw; those before it stay.
void plotCurves(FormContext& form, long lastSlot);

// Hides the legend line of slot k and empties its text.
void hideLegend(FormContext& form, long k);

// After a fault, what the chart shows is what stands: the legends of the curves not drawn are
// hidden, and CurveSlot counts the curves drawn, so that the next calculation computes the first
// slot missing from the chart afresh instead of meeting the same fault again.
void keepToTheDrawnCurves(FormContext& form);

// Redraws the empty frame, still scaled for the curves it wipes, hides the legends and starts again
// at slot 0; a frame that cannot be drawn stops no reset, its fault raised once the reset is done.
void clearChart(FormContext& form);

// "Borrar Gráfica": clears the chart.
void Command2_Click(FormContext& form);

} // namespace tanvera

// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the event procedures work on, so that none reaches for a global: the shared state, the
// controls, the message box, the user's decimal separator and the record of what the chart shows.
// The window owns it; it lives in the lowest layer with widgets, where every procedure can take it.
#pragma once

#include "caption_label.h"
#include "drawn_chart.h"
#include "model/chart_state.h"
#include "picture2.h"
#include "runtime/fixed_array.h"
#include "runtime/message_box.h"
#include "text_box.h"

namespace tanvera {

struct FormContext
{
    ChartState& state;
    MessageBox& messages;
    char separator; // the regional decimal separator, for numbers shown to the user
    DrawnChart drawn {};

    FixedArray<QLineEdit*, 7> Text1 {}; // parameter boxes
    QLineEdit* Text2 = nullptr; // time of the query
    ReadoutBox* outflow = nullptr; // Text1(6), which the program writes
    CaptionLabel* Label2 = nullptr; // concentration at the query time
    CaptionLabel* Label5 = nullptr; // maximum time in hours
    CaptionLabel* Label6 = nullptr; // pointer readout, Label6(0)
    Picture2* picture = nullptr; // Picture2
    FixedArray<QWidget*, 3> Line3 {}; // legend marks
    FixedArray<CaptionLabel*, 3> Label4 {}; // legend texts
};

// Shows a UTF-8 text in a label or a box.
inline QString qText(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace tanvera

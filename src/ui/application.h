// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the program sets up around its window: its identity, Qt's Spanish texts and the number
// settings of the process.
#pragma once

class QApplication;
class QFont;

namespace tanvera {

constexpr const char* ApplicationName = "TANVERA";
constexpr const char* ApplicationVersion = "1.00";

// The window's user-interface font, in points of the window's layout.
constexpr double WindowFontPoints = 8;

// The program's type face at a size in points of the window's layout: the face that stands for
// the layout's "MS Sans Serif", or for its Arial family.
enum class Face { SansSerif, Arial };
QFont interfaceFont(double points, Face face = Face::SansSerif);

// Call right after the QApplication is made, before any widget. Returns the user's regional
// decimal separator.
char setUpApplication(QApplication& app);

} // namespace tanvera

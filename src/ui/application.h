// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the program sets up around its window: its identity, Qt's Spanish texts and the number
// settings of the process.
#pragma once

#include "layout.h"

class QApplication;
class QFont;

namespace tanvera {

// One of the layout's fonts in the program's type faces.
QFont interfaceFont(const FontSpec& wanted);

// Call right after the QApplication is made, before any widget. Returns the user's regional
// decimal separator.
char setUpApplication(QApplication& app);

} // namespace tanvera

// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The light colours the window was laid out in. The labels stand over a light picture and the
// curve colours were chosen for a light chart, so a dark desktop theme must not reach the window.
#pragma once

#include <QPalette>

namespace tanvera {

// Every role of every colour group set, so nothing falls through to the desktop's palette.
QPalette windowPalette();

} // namespace tanvera

// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader finds in the page (WebAssembly only). Qt 6.4 gives a browser no
// accessibility: the page would hold a bare canvas. The windows' accessible interfaces, the same
// that the desktop's screen readers read, are told to the page as elements inside the canvas
// (web_accessibility.js) and kept current from Qt's accessibility updates: names, values,
// states and the focus; new results and message boxes are announced.
#pragma once

namespace tanvera::web {

// From the moment the window is shown, for the life of the program; once.
void mirrorAccessibility();

} // namespace tanvera::web

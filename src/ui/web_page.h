// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program in a browser's page (WebAssembly only): what stands there for the desktop's
// regional setting and its window manager.
#pragma once

class QWidget;

namespace tanvera::web {

// The decimal separator of the browser's language: "," for es-ES, "." for en-US. The browser's
// language does not reach Qt's system locale by itself.
char browserDecimalSeparator();

// Shows the window as the page's desktop would: without a frame of its own (the page is titled
// TANVERA), scaled by the page to fit it whole and centred, again whenever the page changes size,
// and with the keyboard from the start. The page hears where the box that has the focus stands,
// for an on-screen keyboard. When the window has closed, the page says so and offers to start
// again: a page cannot close its own tab.
void showInPage(QWidget& window);

} // namespace tanvera::web

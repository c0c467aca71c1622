// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where "Copiar gráfica" and "Copiar datos" put the chart: the desktop's clipboard, or in a
// browser the browser's, which may refuse (a page that is neither https nor on this computer, a
// browser that takes no pictures, a permission denied); the user is then told so.
#pragma once

class QPixmap;
class QString;
class QWidget;

namespace tanvera {

// What the user reads when the browser does not let the page copy.
inline constexpr const char* ClipboardRefused
    = "El navegador no ha permitido copiar al portapapeles.";

// `window` is where a refusal is told.
void copyPicture(const QPixmap& picture, QWidget* window);
void copyText(const QString& text, QWidget* window);

} // namespace tanvera

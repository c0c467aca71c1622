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

// `window` is where a refusal is told.
void copyPicture(const QPixmap& picture, QWidget* window);
void copyText(const QString& text, QWidget* window);

} // namespace tanvera

// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web_page.h"

#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <emscripten.h>
#include <emscripten/val.h>

// The page (index.html) shows its closing line in tanveraClosed; a page without it stays as it is.
// clang-format off
EM_JS(void, tanvera_tell_page_closed, (), {
    if (typeof window.tanveraClosed === "function")
        window.tanveraClosed();
});
// clang-format on

namespace tanvera::web {

char browserDecimalSeparator()
{
    const emscripten::val language = emscripten::val::global("navigator")["language"];
    const QLocale locale(language.isString() ? QString::fromStdString(language.as<std::string>())
                                             : QStringLiteral("C"));
    return locale.decimalPoint() == QStringLiteral(",") ? ',' : '.';
}

void showInPage(QWidget& window)
{
    // Customised, without a title: Qt's own window frame in the page would keep room for one.
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::FramelessWindowHint);
    // show() would make it fill the page, as Qt in a browser shows every main window.
    window.showNormal();
    // On a page smaller than the window its top left corner stays in sight.
    const auto centre = [&window] {
        const QRect page = window.screen()->availableGeometry();
        window.move(page.left() + std::max(0, (page.width() - window.width()) / 2),
            page.top() + std::max(0, (page.height() - window.height()) / 2));
    };
    centre();
    QObject::connect(window.screen(), &QScreen::geometryChanged, &window, centre);
    // The page holds the program until it is left or reloaded, so nothing is to be ended; and
    // ending Qt's event loop in a page ends in a fault of Qt 6.4 (memory access out of bounds).
    QGuiApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, [] { tanvera_tell_page_closed(); });
}

} // namespace tanvera::web

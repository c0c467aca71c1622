// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web_page.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QScreen>
#include <QWidget>
#include <emscripten.h>
#include <emscripten/val.h>

// The page (index.html) shows its closing line in tanveraClosed; a page without it stays as it is.
// clang-format off
EM_JS(void, tanvera_tell_page_closed, (), {
    if (typeof window.tanveraClosed === "function")
        window.tanveraClosed();
});

// The page fits the window to itself (index.html, tanveraShowing) and, whenever it has fitted it
// again, has Qt read the screen's new size and pixel ratio.
EM_JS(void, tanvera_tell_page_showing, (int width, int height), {
    if (typeof window.tanveraShowing === "function")
        window.tanveraShowing(width, height, () => {
            Module.qtResizeAllScreens(null);
            _tanvera_window_refitted();
        });
});

// The page lays its input for on-screen keyboards over the box that has the focus, named as the
// box is (index.html, tanveraTyping); x is null where no box takes typing.
EM_JS(void, tanvera_tell_page_typing, (int typing, int x, int y, int width, int height,
                                       const char* name), {
    if (typeof window.tanveraTyping === "function")
        window.tanveraTyping(typing ? x : null, y, width, height, UTF8ToString(name));
});
// clang-format on

// A new pixel ratio redraws nothing by itself in Qt 6.4: every window is painted again, sharp.
extern "C" EMSCRIPTEN_KEEPALIVE void tanvera_window_refitted()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            window->update();
    }
}

namespace tanvera::web {

namespace {

// Qt's own input for on-screen keyboards, made where the device has a touch screen, reads only a
// typed text's last character and turns shortcuts into text; the page's input stands in for it
// (index.html, tanveraTyping). Asked for none before Qt starts.
[[maybe_unused]] const bool noQtInputPanel = qputenv("QT_IM_MODULE", "none");

void tellPageTyping()
{
    auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (!box || box->isReadOnly()) {
        tanvera_tell_page_typing(0, 0, 0, 0, 0, "");
        return;
    }
    const QPoint at = box->mapToGlobal(QPoint(0, 0)) - box->screen()->geometry().topLeft();
    const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
    const QByteArray name
        = accessible ? accessible->text(QAccessible::Name).toUtf8() : QByteArray();
    tanvera_tell_page_typing(1, at.x(), at.y(), box->width(), box->height(), name.constData());
}

} // namespace

char browserDecimalSeparator()
{
    const emscripten::val language = emscripten::val::global("navigator")["language"];
    const QLocale locale(language.isString() ? QString::fromStdString(language.as<std::string>())
                                             : QStringLiteral("C"));
    return locale.decimalPoint() == QStringLiteral(",") ? ',' : '.';
}

void showInPage(QWidget& window)
{
    // The page makes its screen as large as the window and fits it to itself; the window fills
    // it. Under a window that does not, Qt paints and sends to WebGL a frame of the window's
    // size at every frame of the page.
    tanvera_tell_page_showing(window.width(), window.height());
    window.showFullScreen();
    tellPageTyping();
    // The keyboard is the window's from the start, as on a desktop; Qt in a browser gives it a
    // window only at its first mouse press.
    window.activateWindow();
    QObject::connect(qApp, &QApplication::focusChanged, &window, tellPageTyping);
    // The page holds the program until it is left or reloaded, so nothing is to be ended; and
    // ending Qt's event loop in a page ends in a fault of Qt 6.4 (memory access out of bounds).
    QGuiApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, [] { tanvera_tell_page_closed(); });
}

} // namespace tanvera::web

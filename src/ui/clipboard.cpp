// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPixmap>
#include <QString>

#if defined(Q_OS_WASM)
#include "qt_message_box.h"

#include <QBuffer>
#include <QMessageBox>
#include <QPointer>
#include <emscripten.h>
#include <memory>

// Qt's own clipboard on WebAssembly hands a copy to the browser but keeps its answer to itself
// (a refusal becomes a line on the console), so the page writes to the browser's clipboard
// directly and hears the answer. The browser answers later, once it has written or refused.

namespace {

struct PendingCopy
{
    QPointer<QWidget> window;
};

} // namespace

// Called by the page with the browser's answer; `copied` is 0 for a refusal.
extern "C" EMSCRIPTEN_KEEPALIVE void tanvera_clipboard_answered(PendingCopy* pending, int copied)
{
    const std::unique_ptr<PendingCopy> owned(pending);
    if (copied || !owned->window)
        return;
    // Told when the page's event loop takes it up. The box does not wait: the answer may come
    // while another message box waits, and a page runs only one such wait at a time.
    QMetaObject::invokeMethod(
        owned->window.data(),
        [window = owned->window] {
            if (!window)
                return;
            QMessageBox* box = tanvera::newMessageBox(
                QStringLiteral("El navegador no ha permitido copiar al portapapeles: solo lo "
                               "permite en páginas https o abiertas en el propio ordenador."),
                window);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->open();
        },
        Qt::QueuedConnection);
}

// The write starts at once, while the user's click still counts as the reason for it: browsers
// let a page copy only then. A browser without the Clipboard API (a page that is not https) or
// without pictures in it (no ClipboardItem) fails here and is answered as a refusal.
// clang-format off
EM_JS(void, tanvera_write_clipboard,
      (const char* text, const unsigned char* png, int pngSize, PendingCopy* pending), {
    let writing;
    try {
        if (png) {
            const blob = new Blob([HEAPU8.slice(png, png + pngSize)], {type: "image/png"});
            writing = navigator.clipboard.write([new ClipboardItem({"image/png": blob})]);
        } else {
            writing = navigator.clipboard.writeText(UTF8ToString(text));
        }
    } catch (error) {
        writing = Promise.reject(error);
    }
    writing.then(() => _tanvera_clipboard_answered(pending, 1),
                 () => _tanvera_clipboard_answered(pending, 0));
});
// clang-format on

namespace tanvera {

void copyPicture(const QPixmap& picture, QWidget* window)
{
    QByteArray png; // browsers take pictures as PNG only
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.toImage().save(&buffer, "PNG");
    tanvera_write_clipboard(nullptr, reinterpret_cast<const unsigned char*>(png.constData()),
        int(png.size()), new PendingCopy {window});
}

void copyText(const QString& text, QWidget* window)
{
    tanvera_write_clipboard(text.toUtf8().constData(), nullptr, 0, new PendingCopy {window});
}

} // namespace tanvera

#else

namespace tanvera {

void copyPicture(const QPixmap& picture, QWidget*)
{
    QGuiApplication::clipboard()->setPixmap(picture);
}

void copyText(const QString& text, QWidget*)
{
    QGuiApplication::clipboard()->setText(text);
}

} // namespace tanvera

#endif

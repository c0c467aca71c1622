// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"
#include "form1.h"
#include "qt_message_box.h"

#include <QApplication>
#if defined(Q_OS_WASM)
#include "web_accessibility.h"
#include "web_page.h"
#endif

int main(int argc, char* argv[])
{
    // The program takes no command line. Qt would take its own options from it (-reverse mirrors
    // the window, -style, -platform…), so QApplication sees the program's name alone; it keeps
    // the count by reference, which therefore lives as long as it does.
    int nameOnly = argc > 0 ? 1 : 0;
    QApplication app(nameOnly, argv);
    const char separator = tanvera::setUpApplication(app);
    tanvera::QtMessageBox messages;
    tanvera::Form1 window(separator, messages);
#if defined(Q_OS_WASM)
    tanvera::web::showInPage(window);
    tanvera::web::mirrorAccessibility();
#else
    window.show();
#endif
    return app.exec();
}

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

namespace {

// What the program runs on, made in this order.
struct Program
{
    Program(int& argc, char** argv)
        : app(argc, argv)
        , separator(tanvera::setUpApplication(app))
        , window(separator, messages)
    { }
    QApplication app;
    const char separator;
    tanvera::QtMessageBox messages;
    tanvera::Form1 window;
};

} // namespace

int main(int argc, char* argv[])
{
    // The program takes no command line. Qt would take its own options from it (-reverse mirrors
    // the window, -style, -platform…), so QApplication sees the program's name alone; it keeps
    // the count by reference, which therefore lives as long as it does.
    static int nameOnly = argc > 0 ? 1 : 0;
#if defined(Q_OS_WASM)
    // In a page exec() returns at once by unwinding this stack, and the program goes on running
    // in the page: it lives off the stack, as long as the page.
    Program& program = *new Program(nameOnly, argv);
    tanvera::web::showInPage(program.window);
    tanvera::web::mirrorAccessibility();
#else
    Program program(nameOnly, argv);
    program.window.show();
#endif
    return program.app.exec();
}

// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick of the start-up budgets: the least a Qt Widgets program does to show a window of
// TANVERA's size with one label and one text box. Built with first_paint_report.cpp, which ends
// it after its first paint.
#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char* argv[])
{
    // In a page exec() returns at once by unwinding this stack, and the window goes on showing:
    // as the program's, what it runs on lives off the stack (and ends with the process).
    static int count = argc;
    auto& app = *new QApplication(count, argv);
#ifdef __EMSCRIPTEN__
    // A browser lends a page no fonts: the face built in, as the program has it.
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
#endif
    auto* window = new QWidget;
    window->setWindowTitle(QStringLiteral("TANVERA"));
    window->setFixedSize(1077, 548);
    auto* label = new QLabel(QStringLiteral("V (l):"), window);
    label->setGeometry(266, 326, 35, 27);
    auto* box = new QLineEdit(QStringLiteral("5.4"), window);
    box->setGeometry(309, 326, 78, 27);
    window->show();
    return app.exec();
}

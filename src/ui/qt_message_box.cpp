// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt_message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace tanvera {

void QtMessageBox::show(const std::string& text)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QStringLiteral("TANVERA"));
    box.setIcon(QMessageBox::NoIcon);
    box.setText(QString::fromStdString(text));
    box.setDefaultButton(box.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole));
    box.exec();
}

} // namespace tanvera

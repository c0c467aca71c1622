// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt_message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <memory>

namespace tanvera {

QMessageBox* newMessageBox(const QString& text, QWidget* parent)
{
    auto* box = new QMessageBox(parent);
    box->setWindowTitle(QStringLiteral("TANVERA"));
    box->setIcon(QMessageBox::NoIcon);
    box->setText(text);
    box->setDefaultButton(box->addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole));
    return box;
}

void QtMessageBox::show(const std::string& text)
{
    const std::unique_ptr<QMessageBox> box(
        newMessageBox(QString::fromStdString(text), QApplication::activeWindow()));
    box->exec();
}

} // namespace tanvera

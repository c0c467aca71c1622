// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The real message box: modal, titled "TANVERA", no icon, one button "Aceptar".
#pragma once

#include "runtime/message_box.h"

#include <QPointer>
#include <QString>
#include <deque>

class QMessageBox;
class QWidget;

namespace tanvera {

// A message box of that look, not yet shown.
QMessageBox* newMessageBox(const QString& text, QWidget* parent);

class QtMessageBox : public MessageBox
{
public:
    void show(const std::string& text) override;

#if defined(Q_OS_WASM)
private:
    // The messages not yet closed, the first one open, and the window they stand over.
    void openFirst();
    std::deque<QString> m_waiting;
    QPointer<QWidget> m_window;
#endif
};

} // namespace tanvera

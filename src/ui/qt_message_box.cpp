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

#if defined(Q_OS_WASM)
// A page's program runs each event to its end and cannot wait in a loop of its own (that would
// take Asyncify, which makes the whole program slower and larger). The box is as modal as exec()
// makes it, so nothing reaches the window meanwhile; a second message opens when the first
// closes, as it would after exec().
void QtMessageBox::show(const std::string& text)
{
    if (m_waiting.empty())
        m_window = QApplication::activeWindow();
    m_waiting.push_back(QString::fromStdString(text));
    if (m_waiting.size() == 1)
        openFirst();
}

void QtMessageBox::openFirst()
{
    QMessageBox* box = newMessageBox(m_waiting.front(), m_window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    QObject::connect(box, &QDialog::finished, box, [this] {
        m_waiting.pop_front();
        if (!m_waiting.empty())
            openFirst();
    });
    box->show();
}
#else
void QtMessageBox::show(const std::string& text)
{
    const std::unique_ptr<QMessageBox> box(
        newMessageBox(QString::fromStdString(text), QApplication::activeWindow()));
    box->exec();
}
#endif

} // namespace tanvera

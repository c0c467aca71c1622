// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A text box. Left by the user, it shows the start of its text again, as a box the program
// writes does: a long number scrolled to its end would read as another ("0123456" of
// "0.000123456").
#pragma once

#include <QFocusEvent>
#include <QLineEdit>

namespace tanvera {

class TextBox : public QLineEdit
{
public:
    using QLineEdit::QLineEdit;

protected:
    void focusOutEvent(QFocusEvent* event) override
    {
        // Not for the box's own menu, which returns to it.
        if (event->reason() != Qt::PopupFocusReason)
            setCursorPosition(0);
        QLineEdit::focusOutEvent(event);
    }
};

} // namespace tanvera

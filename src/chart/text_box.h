// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The text boxes. Left by the user, a box shows the start of its text again, as one the program
// writes does: a long number scrolled to its end would read as another ("0123456" of
// "0.000123456"). A locked box fits what the program writes by the rule of text_fit.h and takes
// the fitted type as its font, so that the line edit itself paints, selects and copies the text as
// shown; the text as written is its tool tip and, after its caption, its accessible name.
#pragma once

#include "text_fit.h"

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

class ReadoutBox : public TextBox
{
    Q_OBJECT

public:
    ReadoutBox(const QFont& font, QWidget* parent = nullptr);

    // Shows a text the program writes, its numbers with their values.
    void showText(const ShownText& text);

    // The width a line edit gives its text without scrolling it: inside its frame and its own
    // margins, less the cursor's pixel.
    qreal textWidth() const;

private:
    QFont m_font; // the box's type, before any fitting
    QString m_caption; // the accessible name the window gave the box
};

} // namespace tanvera

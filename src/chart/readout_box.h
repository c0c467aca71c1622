// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A locked box that the program writes. It fits its text by the rule of text_fit.h and takes the
// fitted type as its own font, so that the line edit itself lays out, paints, selects and copies
// the text as shown, a shorter form of a number too long for it included. The text as written is
// its tool tip and, after its caption, its accessible name.
#pragma once

#include "text_box.h"
#include "text_fit.h"

namespace tanvera {

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

// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A label that shows its caption by the one rule for fitting a text (text_fit.h), taking what it
// shows as its own text and font, as a locked box does; where that differs from the caption as
// written, the whole caption is its tool tip. The hours label may first grow into room beside it.
#pragma once

#include "text_fit.h"

#include <QLabel>

namespace tanvera {

class CaptionLabel : public QLabel
{
    Q_OBJECT

public:
    explicit CaptionLabel(const QString& text, QWidget* parent = nullptr);

    // Shows a caption the program writes, its numbers with their values.
    void showCaption(const ShownText& caption);
    // The caption as written.
    const ShownText& caption() const { return m_caption; }

    // The label may grow to the right up to `right` (in its parent) when a caption does not fit
    // it in its own type, and gives the room back for one that does.
    void setRoomToTheRight(int right);

protected:
    void changeEvent(QEvent* event) override;

private:
    // Lays the caption out in the label's room and type, and shows it so.
    void fit();

    ShownText m_caption;
    QFont m_type; // the label's own, before any fitting
    bool m_fitting = false;
    int m_tableWidth = -1; // the width the window gives the label, before any room is taken
    int m_right = -1;
};

} // namespace tanvera

// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A label that shows its caption by the one rule for fitting a text (text_fit.h); where it shows
// it otherwise than as written, the whole caption is its tool tip. The hours label may first
// grow into room it is given beside it.
#pragma once

#include "text_fit.h"

#include <QLabel>
#include <optional>
#include <utility>

namespace tanvera {

class CaptionLabel : public QLabel
{
    Q_OBJECT

public:
    explicit CaptionLabel(const QString& text, QWidget* parent = nullptr);

    // Shows a caption the program writes, its numbers with their values.
    void showCaption(const ShownText& caption);
    const ShownText& caption() const;

    // What the label shows: its lines, joined by "\n", without the blanks where they break.
    QString shownText() const;
    // Whether the caption is shown otherwise than as written: words left out, or a number
    // in a shorter form.
    bool isShortened() const;
    // The font the caption is shown in: the label's, or a smaller one.
    QFont shownFont() const;

    // The label may grow to the right up to `right` (in its parent) when a caption does not fit
    // it in its own type, and gives the room back for one that does.
    void setRoomToTheRight(int right);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    // What the label shows now, laid out again only when its text, font or size has changed.
    const FittedText& laidOut() const;

    struct LaidOutFor
    {
        QString text;
        QFont font;
        QSize size;
        bool operator==(const LaidOutFor&) const = default;
    };
    mutable ShownText m_caption;
    mutable std::optional<std::pair<LaidOutFor, FittedText>> m_laidOut;
    int m_tableWidth = -1; // the width the window gives the label, before any room is taken
    int m_right = -1;
};

} // namespace tanvera

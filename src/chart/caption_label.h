// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A label whose caption wraps at word boundaries within its width and shows only what fits
// whole: whole lines, and on them whole words, so that no number is ever seen cut short. Where
// words are left out, the last line shown ends with "…" and the whole caption is the tool tip.
#pragma once

#include <QLabel>
#include <optional>

namespace tanvera {

class CaptionLabel : public QLabel
{
    Q_OBJECT

public:
    explicit CaptionLabel(const QString& text, QWidget* parent = nullptr);

    // What the label shows: its lines, joined by "\n", without the blanks where they break.
    QString shownText() const;
    // Whether words of the caption are left out.
    bool isShortened() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct Shown
    {
        QStringList lines;
        bool whole; // the caption fits as it is
    };
    Shown layOut() const;
    // The lines the caption takes at the label's width, or none if a word is wider than that.
    std::optional<QStringList> wrap(const QString& text) const;
    int linesThatFit() const;
};

} // namespace tanvera

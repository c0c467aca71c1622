// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A label whose caption wraps at word boundaries within its width and shows only what fits
// whole: whole lines, and on them whole words, so that no number is ever seen cut short. Where
// words are left out, the last line shown ends with "…" and the whole caption is the tool tip.
// Its first number shows wherever legible type allows: a readout that hid its value would say
// nothing, so where that number does not fit, the label first grows into any room it is given
// beside it, and then sets its caption in a smaller font, where a number longer than a line goes
// on to the next.
#pragma once

#include <QLabel>
#include <optional>
#include <utility>

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
    // The font the caption is shown in: the label's, or a smaller one for a long number.
    QFont shownFont() const;

    // The label may grow to the right up to `right` (in its parent) when its caption does not
    // fit; fitWidth() takes that room, or gives it back, for the caption it holds now.
    void setRoomToTheRight(int right);
    void fitWidth();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct Shown
    {
        QStringList lines;
        bool whole; // the caption fits as it is
        QFont font;
    };
    // What the label shows now, laid out again only when its text, font or size has changed.
    const Shown& shown() const;
    Shown layOut() const;
    enum class Breaks { BetweenWords, Anywhere };
    // The caption whole, or its longest run of whole words with "…" that keeps at least the
    // first `mustShow` characters; none if even those do not fit.
    std::optional<Shown> layOutIn(
        const QFont& font, qreal width, qsizetype mustShow, Breaks breaks) const;
    // The lines the text takes at that width, or none if a word is wider than that.
    std::optional<QStringList> wrap(
        const QString& text, const QFont& font, qreal width, Breaks breaks) const;
    int linesThatFit(const QFont& font) const;

    struct LaidOutFor
    {
        QString text;
        QFont font;
        QSize size;
        bool operator==(const LaidOutFor&) const = default;
    };
    mutable std::optional<std::pair<LaidOutFor, Shown>> m_laidOut;
    int m_tableWidth = -1; // the width the window gives the label, before any room is taken
    int m_right = -1;
};

} // namespace tanvera

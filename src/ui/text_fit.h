// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one rule by which a box or a label fits its text into its place: whole words on whole lines,
// so that no number breaks into two; where it does not fit, smaller type down to the smallest
// legible size; there, trailing words give way to "…", through the first number; and where even
// that does not fit, the number takes a shorter form of itself, never a cut one.
#pragma once

#include "chart/twips.h"

#include <QFont>
#include <QStringList>

namespace tanvera {

struct FittedText
{
    QStringList lines;
    QFont font;
    bool whole = true; // every word shown as written
};

// Whether a line of text stands within a width, in that font.
bool fitsOn(const QString& line, const QFont& font, qreal width);

// The text fitted into as many lines of `width` as the place holds.
FittedText fitText(const QString& text, const QFont& font, qreal width, int lines);

} // namespace tanvera

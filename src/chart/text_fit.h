// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one search by which every text takes its room (captions, boxes, the pointer readout, the
// chart's scales): its full type; else smaller type, down to the smallest legible size; else, at
// that size, its numbers in ever shorter forms made afresh from their values, never from digits
// already printed; only then, in a caption, trailing words give way to "…", never a number.
#pragma once

#include "twips.h"

#include <QFont>
#include <QStringList>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tanvera {

// The most significant digits a number is ever shown with (the general conversion's for a
// Double): a text in them shows its numbers as written.
constexpr int AllDigits = 15;

// A text as the program shows it: words, and numbers that keep their value beside the form they
// are written in.
class ShownText
{
public:
    ShownText() = default;
    // Words, parted where blanks stand.
    ShownText& operator<<(std::string_view words);
    // A number, written as `text`.
    ShownText& number(double value, std::string text, char separator);

    std::string whole() const;
    // The numbers as written, in order.
    QStringList numbers() const;
    // The words with every number in at most `digits` significant digits, where that is shorter.
    QStringList words(int digits = AllDigits) const;
    // The index of the last number, or -1.
    qsizetype lastNumber() const;

private:
    struct Word
    {
        std::string text;
        std::optional<double> value;
        char separator = '.';
    };
    std::vector<Word> m_words;
};

// The search itself: `tryAt(type, digits)` gives the text laid out in that type with its numbers
// in at most that many digits, or none where it has no room; the first that has room is taken.
template <typename Try> auto fitSearch(QFont type, Try&& tryAt) -> decltype(tryAt(type, AllDigits))
{
    for (int size = type.pixelSize();; type.setPixelSize(--size)) {
        if (auto laid = tryAt(type, AllDigits))
            return laid;
        if (size <= SmallestPixelSize)
            break;
    }
    for (int digits = AllDigits - 1; digits >= 1; --digits) {
        if (auto laid = tryAt(type, digits))
            return laid;
    }
    return std::nullopt;
}

struct FittedText
{
    QStringList lines;
    QFont font;
    bool whole = true; // every word shown as written
};

// The text on whole lines, as many as `lines`, of `width`: whole words, so that no number breaks
// into two halves that would read as two numbers.
FittedText fitText(const ShownText& text, const QFont& font, qreal width, int lines);

} // namespace tanvera

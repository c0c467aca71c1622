// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text_fit.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QRegularExpression>
#include <optional>

namespace tanvera {

namespace {

// The words on as many lines as they take, or none if they take more than `room` or a word is
// wider than a line.
std::optional<QStringList> wrap(const QStringList& words, const QFont& font, qreal width, int room)
{
    const QFontMetricsF metrics(font);
    if (const QString line = words.join(u' '); room > 0 && metrics.horizontalAdvance(line) <= width)
        return QStringList {line}; // most texts: one measure
    QStringList lines;
    for (const QString& word : words) {
        if (!lines.isEmpty() && metrics.horizontalAdvance(lines.back() + u' ' + word) <= width)
            lines.back() += u' ' + word;
        else if (lines.size() < room && metrics.horizontalAdvance(word) <= width)
            lines.push_back(word);
        else
            return std::nullopt;
    }
    return lines;
}

// A number in its exponent form with `kept` significant digits, rounded to the nearest:
// "340282346638528859811704183484516925440,00" as "3,4028235E+38". A whole number written
// without a separator keeps its digits whole: "-1234567E+8". None for a word that is no number,
// or where that form is no shorter.
std::optional<QString> shorterForm(const QString& word, qsizetype kept)
{
    static const QRegularExpression number(
        QStringLiteral("^([-+]?)(\\d+)(?:([.,])(\\d+))?(?:E([-+]\\d+))?$"));
    const QRegularExpressionMatch parts = number.match(word);
    const QString digits = parts.captured(2) + parts.captured(4), separator = parts.captured(3);
    const qsizetype first = digits.indexOf(QRegularExpression(QStringLiteral("[1-9]")));
    if (!parts.hasMatch() || first < 0 || kept >= digits.size() - first)
        return std::nullopt;
    // A carry may lengthen the digits kept by one: "9999" kept to 3 is "100", a power up.
    QString mantissa
        = QString::number(digits.mid(first, kept).toULongLong() + (digits[first + kept] >= u'5'));
    int power = parts.captured(5).toInt() + int(parts.captured(2).size() - 1 - first)
        + int(mantissa.size() - kept);
    mantissa.truncate(kept);
    if (separator.isEmpty())
        power -= int(kept - 1);
    while (!separator.isEmpty() && mantissa.size() > 1 && mantissa.endsWith(u'0'))
        mantissa.chop(1);
    if (mantissa.size() > 1 && !separator.isEmpty())
        mantissa.insert(1, separator);
    const QString shown = parts.captured(1) + mantissa + QString::asprintf("E%+03d", power);
    return shown.size() < word.size() ? std::optional(shown) : std::nullopt;
}

} // namespace

bool fitsOn(const QString& line, const QFont& font, qreal width)
{
    return QFontMetricsF(font).horizontalAdvance(line) <= width;
}

FittedText fitText(const QString& text, const QFont& font, qreal width, int lines)
{
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    if (words.isEmpty())
        return {{}, font, true};
    // As large as lets the whole text show, down to the smallest legible size; the lines stay
    // those of the place, so that smaller type never sends a unit away from its number.
    QFont type = font;
    for (int size = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();;
         type.setPixelSize(--size)) {
        if (auto shown = wrap(words, type, width, lines))
            return {*shown, type, true};
        if (size <= SmallestPixelSize)
            break;
    }
    // Then whole words from the start with "…", through the first number; where even that does
    // not fit, the number in a shorter form, the longest that lets the whole text, or else the
    // words through it, fit; and only past that, the words before it.
    const qsizetype number = words.indexOf(QRegularExpression(QStringLiteral(".*\\d.*")));
    const auto through
        = [&](qsizetype kept, const QStringList& from) -> std::optional<QStringList> {
        return kept == from.size()
            ? wrap(from, type, width, lines)
            : wrap(from.first(kept) << QStringLiteral("…"), type, width, lines);
    };
    for (qsizetype kept = words.size() - 1; kept > number; --kept) {
        if (auto shown = through(kept, words))
            return {*shown, type, false};
    }
    for (qsizetype kept : {words.size(), number + 1}) {
        for (qsizetype digits = 17; number >= 0 && digits >= 1; --digits) {
            QStringList shorter = words;
            shorter[number] = shorterForm(words[number], digits).value_or(words[number]);
            if (auto shown
                = shorter[number] != words[number] ? through(kept, shorter) : std::nullopt)
                return {*shown, type, false};
        }
    }
    for (qsizetype kept = number; kept >= 0; --kept) {
        if (auto shown = through(kept, words))
            return {*shown, type, false};
    }
    return {{}, type, false};
}

} // namespace tanvera

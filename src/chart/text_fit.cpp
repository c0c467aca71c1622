// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text_fit.h"

#include "runtime/numtext.h"

#include <QFontInfo>
#include <QFontMetricsF>

namespace tanvera {

ShownText& ShownText::operator<<(std::string_view words)
{
    for (std::size_t start = 0; start < words.size();) {
        const std::size_t end = std::min(words.find(' ', start), words.size());
        if (end > start)
            m_words.push_back({std::string(words.substr(start, end - start)), {}});
        start = end + 1;
    }
    return *this;
}

ShownText& ShownText::number(double value, std::string text, char separator)
{
    m_words.push_back({std::move(text), value, separator});
    return *this;
}

std::string ShownText::whole() const
{
    std::string joined;
    for (const Word& word : m_words)
        joined += (joined.empty() ? "" : " ") + word.text;
    return joined;
}

QStringList ShownText::numbers() const
{
    QStringList found;
    for (const Word& word : m_words) {
        if (word.value)
            found.push_back(QString::fromStdString(word.text));
    }
    return found;
}

QStringList ShownText::words(int digits) const
{
    QStringList shown;
    for (const Word& word : m_words) {
        std::string text = word.text;
        if (word.value && digits < AllDigits) {
            std::string shorter = Str(*word.value, word.separator, digits);
            if (shorter.size() < text.size())
                text = std::move(shorter);
        }
        shown.push_back(QString::fromStdString(text));
    }
    return shown;
}

qsizetype ShownText::lastNumber() const
{
    for (auto i = qsizetype(m_words.size()); i-- > 0;) {
        if (m_words[std::size_t(i)].value)
            return i;
    }
    return -1;
}

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

} // namespace

FittedText fitText(const ShownText& text, const QFont& font, qreal width, int lines)
{
    const QStringList words = text.words();
    if (words.isEmpty())
        return {{}, font, true};
    QFont type = font;
    if (type.pixelSize() <= 0)
        type.setPixelSize(QFontInfo(font).pixelSize());
    // Dropping words is the last resort: only those after the last number, ending in "…".
    for (qsizetype wordsKept = words.size(); wordsKept > text.lastNumber(); --wordsKept) {
        const auto laid = fitSearch(type, [&](const QFont& at, int digits) {
            QStringList shown = text.words(digits).first(wordsKept);
            if (wordsKept < words.size())
                shown << QStringLiteral("…");
            const auto fitted = wrap(shown, at, width, lines);
            return fitted ? std::optional(FittedText {*fitted, at, shown == words}) : std::nullopt;
        });
        if (laid)
            return *laid;
        type.setPixelSize(SmallestPixelSize);
    }
    return {{}, type, false};
}

} // namespace tanvera

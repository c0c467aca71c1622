// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "caption_label.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>
#include <QToolTip>
#include <algorithm>

namespace tanvera {

namespace {

const QString Ellipsis = QStringLiteral("…");
constexpr int SmallestPixelSize = 6; // below this, digits cannot be told apart

} // namespace

CaptionLabel::CaptionLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
}

std::optional<QStringList> CaptionLabel::wrap(
    const QString& text, const QFont& font, qreal width, Breaks breaks) const
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(
        breaks == Breaks::BetweenWords ? QTextOption::WordWrap : QTextOption::WrapAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    bool fits = true;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); fits && line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        fits = line.naturalTextWidth() <= width;
        lines.push_back(text.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    return fits ? std::optional(lines) : std::nullopt;
}

int CaptionLabel::linesThatFit(const QFont& font) const
{
    const QFontMetricsF metrics(font);
    const qreal height = contentsRect().height();
    if (height < metrics.height())
        return 0;
    return 1 + static_cast<int>((height - metrics.height()) / metrics.lineSpacing());
}

namespace {

// Where the words end that must show: through the first word with a digit, or none.
qsizetype endOfFirstNumber(const QString& caption)
{
    const auto digit
        = std::find_if(caption.begin(), caption.end(), [](QChar c) { return c.isDigit(); });
    if (digit == caption.end())
        return 0;
    const auto blank = std::find_if(digit, caption.end(), [](QChar c) { return c.isSpace(); });
    return blank - caption.begin();
}

} // namespace

// The caption whole, or else the longest run of whole words that fits with "…" after it; either
// way through its first number, or nothing in this font.
std::optional<CaptionLabel::Shown> CaptionLabel::layOutIn(
    const QFont& font, qreal width, qsizetype mustShow, Breaks breaks) const
{
    const QString caption = text();
    const int room = linesThatFit(font);
    if (const auto lines = wrap(caption, font, width, breaks); lines && lines->size() <= room)
        return Shown {*lines, true, font};
    for (qsizetype at = caption.size() - 1; at >= mustShow; --at) {
        if (at > 0 && !(caption[at - 1].isSpace() && !caption[at].isSpace()))
            continue;
        if (const auto lines = wrap(caption.left(at) + Ellipsis, font, width, breaks);
            lines && lines->size() <= room)
            return Shown {*lines, false, font};
    }
    return std::nullopt;
}

CaptionLabel::Shown CaptionLabel::layOut() const
{
    if (text().isEmpty())
        return {{}, true, font()};
    const qreal width = contentsRect().width();
    const qsizetype number = endOfFirstNumber(text());
    if (auto shown = layOutIn(font(), width, number, Breaks::BetweenWords))
        return *shown;
    // The first number is wider than the label: smaller type, as large as lets it show whole,
    // on a line of its own if it can be; a number longer than a line goes on to the next.
    QFont smaller = font();
    for (Breaks breaks : {Breaks::BetweenWords, Breaks::Anywhere}) {
        for (int size = QFontInfo(font()).pixelSize() - 1; size >= SmallestPixelSize; --size) {
            smaller.setPixelSize(size);
            if (auto shown = layOutIn(smaller, width, number, breaks))
                return *shown;
        }
    }
    // Not even that: whole words only, the number left out rather than shown illegibly.
    if (auto shown = layOutIn(font(), width, 0, Breaks::BetweenWords))
        return *shown;
    return {{}, false, font()};
}

const CaptionLabel::Shown& CaptionLabel::shown() const
{
    LaidOutFor now {text(), font(), contentsRect().size()};
    if (!m_laidOut || m_laidOut->first != now)
        m_laidOut.emplace(std::move(now), layOut());
    return m_laidOut->second;
}

QString CaptionLabel::shownText() const
{
    return shown().lines.join(u'\n');
}

bool CaptionLabel::isShortened() const
{
    return !shown().whole;
}

QFont CaptionLabel::shownFont() const
{
    return shown().font;
}

void CaptionLabel::setRoomToTheRight(int right)
{
    m_tableWidth = width();
    m_right = right;
}

void CaptionLabel::fitWidth()
{
    if (m_right < 0)
        return;
    const int frame = width() - contentsRect().width();
    const auto shown = layOutIn(font(), m_tableWidth - frame, 0, Breaks::BetweenWords);
    const int wanted = shown && shown->whole ? m_tableWidth : m_right - x();
    if (wanted != width())
        resize(wanted, height());
}

void CaptionLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFrame(&painter);
    const Shown& now = shown();
    painter.setFont(now.font);
    // A caption that fits is drawn as any label draws it; any other line by line as laid out.
    const bool asItIs = now.whole && now.font == font();
    const int flags
        = QStyle::visualAlignment(layoutDirection(), alignment()) | (asItIs ? Qt::TextWordWrap : 0);
    style()->drawItemText(&painter, contentsRect(), flags, palette(), isEnabled(),
        asItIs ? text() : now.lines.join(u'\n'), foregroundRole());
}

bool CaptionLabel::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        if (isShortened())
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(event);
}

} // namespace tanvera

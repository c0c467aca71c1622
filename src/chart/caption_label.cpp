// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "caption_label.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>
#include <QToolTip>

namespace tanvera {

namespace {

const QString Ellipsis = QStringLiteral("…");

} // namespace

CaptionLabel::CaptionLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
}

std::optional<QStringList> CaptionLabel::wrap(const QString& text) const
{
    const qreal width = contentsRect().width();
    QTextLayout layout(text, font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
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

int CaptionLabel::linesThatFit() const
{
    const QFontMetricsF metrics(font());
    const qreal height = contentsRect().height();
    if (height < metrics.height())
        return 0;
    return 1 + static_cast<int>((height - metrics.height()) / metrics.lineSpacing());
}

CaptionLabel::Shown CaptionLabel::layOut() const
{
    const QString caption = text();
    if (caption.isEmpty())
        return {{}, true};
    const int room = linesThatFit();
    if (const auto lines = wrap(caption); lines && lines->size() <= room)
        return {*lines, true};
    // The longest run of whole words that fits with "…" after it; words end at blanks.
    for (qsizetype at = caption.size() - 1; at >= 0; --at) {
        if (at > 0 && !(caption[at - 1].isSpace() && !caption[at].isSpace()))
            continue;
        if (const auto lines = wrap(caption.left(at) + Ellipsis); lines && lines->size() <= room)
            return {*lines, false};
    }
    return {{}, false};
}

QString CaptionLabel::shownText() const
{
    return layOut().lines.join(u'\n');
}

bool CaptionLabel::isShortened() const
{
    return !layOut().whole;
}

void CaptionLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFrame(&painter);
    const Shown shown = layOut();
    // A caption that fits is drawn as any label draws it; a shortened one line by line.
    const int flags = QStyle::visualAlignment(layoutDirection(), alignment())
        | (shown.whole ? Qt::TextWordWrap : 0);
    style()->drawItemText(&painter, contentsRect(), flags, palette(), isEnabled(),
        shown.whole ? text() : shown.lines.join(u'\n'), foregroundRole());
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

// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "caption_label.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace tanvera {

CaptionLabel::CaptionLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
}

void CaptionLabel::showCaption(const ShownText& caption)
{
    m_caption = caption;
    setText(QString::fromStdString(caption.whole()));
    if (m_right < 0)
        return;
    const int frame = width() - contentsRect().width();
    const int wanted = fitsOn(text(), font(), m_tableWidth - frame) ? m_tableWidth : m_right - x();
    if (wanted != width())
        resize(wanted, height());
}

const ShownText& CaptionLabel::caption() const
{
    laidOut();
    return m_caption;
}

const FittedText& CaptionLabel::laidOut() const
{
    LaidOutFor now {text(), font(), contentsRect().size()};
    if (!m_laidOut || m_laidOut->first != now) {
        // A caption given as plain text (the layout's) has words and no values.
        if (QString::fromStdString(m_caption.whole()) != text())
            m_caption = ShownText() << text().toStdString();
        // Its lines: as many as its height holds in its own type.
        const QFontMetricsF metrics(font());
        const qreal below = contentsRect().height() - metrics.height();
        const int lines = below < 0 ? 0 : 1 + static_cast<int>(below / metrics.lineSpacing());
        m_laidOut.emplace(
            std::move(now), fitText(m_caption, font(), contentsRect().width(), lines));
    }
    return m_laidOut->second;
}

QString CaptionLabel::shownText() const
{
    return laidOut().lines.join(u'\n');
}

bool CaptionLabel::isShortened() const
{
    return !laidOut().whole;
}

QFont CaptionLabel::shownFont() const
{
    return laidOut().font;
}

void CaptionLabel::setRoomToTheRight(int right)
{
    m_tableWidth = width();
    m_right = right;
}

void CaptionLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFrame(&painter);
    const FittedText& now = laidOut();
    painter.setFont(now.font);
    style()->drawItemText(&painter, contentsRect(),
        QStyle::visualAlignment(layoutDirection(), alignment()), palette(), isEnabled(),
        now.lines.join(u'\n'), foregroundRole());
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

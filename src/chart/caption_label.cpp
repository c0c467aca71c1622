// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "caption_label.h"

#include <QEvent>
#include <QFontMetricsF>

namespace tanvera {

CaptionLabel::CaptionLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
    , m_caption(ShownText() << text.toStdString())
    , m_type(font())
{
    setTextFormat(Qt::PlainText);
}

void CaptionLabel::showCaption(const ShownText& caption)
{
    m_caption = caption;
    if (m_right >= 0) {
        const int frame = width() - contentsRect().width();
        const QString whole = QString::fromStdString(caption.whole());
        const bool fits = QFontMetricsF(m_type).horizontalAdvance(whole) <= m_tableWidth - frame;
        resize(fits ? m_tableWidth : m_right - x(), height());
    }
    fit();
}

void CaptionLabel::setRoomToTheRight(int right)
{
    m_tableWidth = width();
    m_right = right;
}

void CaptionLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange && !m_fitting) {
        m_type = font();
        fit();
    }
}

void CaptionLabel::fit()
{
    // Its lines: as many as its height holds in its own type.
    const QFontMetricsF metrics(m_type);
    const qreal below = contentsRect().height() - metrics.height();
    const int lines = below < 0 ? 0 : 1 + static_cast<int>(below / metrics.lineSpacing());
    const FittedText fitted = fitText(m_caption, m_type, contentsRect().width(), lines);
    m_fitting = true;
    setFont(fitted.font);
    m_fitting = false;
    setToolTip(fitted.whole ? QString() : QString::fromStdString(m_caption.whole()));
    if (const QString shown = fitted.lines.join(u'\n'); shown != text())
        setText(shown);
}

} // namespace tanvera

// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "readout_box.h"

#include "text_fit.h"

#include <QStyle>
#include <QStyleOptionFrame>

namespace tanvera {

namespace {

// QLineEdit keeps its text this far inside its contents on each side, and its cursor takes a
// pixel beyond the text's end; a wider text scrolls.
constexpr int LineEditMargin = 2;
constexpr int CursorWidth = 1;

} // namespace

ReadoutBox::ReadoutBox(const QFont& font, QWidget* parent)
    : QLineEdit(parent)
    , m_font(font)
{
    setFont(font);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (m_shorter.isEmpty() || text != m_shorter)
            fit(text);
    });
}

qreal ReadoutBox::room() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect contents = style()
                               ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
                               .marginsRemoved(textMargins());
    return contents.width() - 2 * LineEditMargin - CursorWidth;
}

void ReadoutBox::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    fit(m_whole);
}

void ReadoutBox::fit(const QString& whole)
{
    if (m_shorter.isEmpty())
        m_caption = accessibleName();
    m_whole = whole;
    setToolTip(whole);
    const FittedText fitted = fitText(whole, m_font, room(), 1);
    setFont(fitted.font);
    const QString shown = fitted.lines.join(u' ');
    m_shorter = shown == whole ? QString() : shown;
    const QString name = m_shorter.isEmpty() ? m_caption : m_caption + u' ' + whole;
    if (name != accessibleName())
        setAccessibleName(name);
    if (!m_shorter.isEmpty() && text() != m_shorter) {
        setText(m_shorter);
        setCursorPosition(0);
    }
}

} // namespace tanvera

// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text_box.h"

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
    : TextBox(parent)
    , m_font(font)
{
    setFont(font);
}

qreal ReadoutBox::textWidth() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect contents = style()
                               ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
                               .marginsRemoved(textMargins());
    return contents.width() - 2 * LineEditMargin - CursorWidth;
}

void ReadoutBox::showText(const ShownText& text)
{
    if (m_caption.isEmpty())
        m_caption = accessibleName();
    const QString whole = QString::fromStdString(text.whole());
    setToolTip(whole);
    const FittedText fitted = fitText(text, m_font, textWidth(), 1);
    setFont(fitted.font);
    const QString name = fitted.whole ? m_caption : m_caption + u' ' + whole;
    if (name != accessibleName())
        setAccessibleName(name);
    const QString shown = fitted.lines.join(u' ');
    if (shown != this->text()) {
        setText(shown);
        // setText leaves the cursor at the end, which scrolls a long text to its end.
        setCursorPosition(0);
    }
}

} // namespace tanvera

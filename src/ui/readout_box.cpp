// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "readout_box.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace tanvera {

namespace {

constexpr int SmallestPixelSize = 7; // digits still legible
constexpr int TextMargin = 2; // a line edit's own margin on each side of its text

} // namespace

ReadoutBox::ReadoutBox(QWidget* parent)
    : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { setToolTip(text); });
}

QRect ReadoutBox::textArea() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect contents = style()
                               ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
                               .marginsRemoved(textMargins());
    return contents.adjusted(TextMargin, 0, -TextMargin, 0);
}

namespace {

// Whether the whole text stands within the box, with room for the cursor after it.
bool fitsIn(const QString& text, const QFont& font, qreal room)
{
    return qRound(QFontMetricsF(font).horizontalAdvance(text)) + 1 <= room;
}

} // namespace

ReadoutBox::Shown ReadoutBox::layOut() const
{
    const QString whole = text();
    const qreal room = textArea().width();
    QFont font = this->font();
    if (fitsIn(whole, font, room))
        return {whole, font, true};
    const qreal width = QFontMetricsF(font).horizontalAdvance(whole);
    // The font shrinks by the share the text is too wide, down to the smallest legible size.
    const qreal size = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    font.setPixelSize(std::max(static_cast<int>(size * room / width), int(SmallestPixelSize)));
    while (!fitsIn(whole, font, room) && font.pixelSize() > SmallestPixelSize)
        font.setPixelSize(font.pixelSize() - 1);
    if (fitsIn(whole, font, room))
        return {whole, font, false};
    // Whole characters from the start, then "…": never a shorter number.
    const QString ellipsis = QStringLiteral("…");
    qsizetype kept = whole.size();
    while (kept > 0 && !fitsIn(whole.left(kept) + ellipsis, font, room))
        --kept;
    return {whole.left(kept) + ellipsis, font, false};
}

QString ReadoutBox::shownText() const
{
    return layOut().text;
}

QFont ReadoutBox::shownFont() const
{
    return layOut().font;
}

void ReadoutBox::paintEvent(QPaintEvent* event)
{
    const Shown shown = layOut();
    if (shown.asItIs) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    painter.setFont(shown.font);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(textArea(), Qt::AlignCenter, shown.text);
}

} // namespace tanvera

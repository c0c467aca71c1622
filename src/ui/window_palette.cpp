// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_palette.h"

namespace tanvera {

QPalette windowPalette()
{
    // The classic system colours: grey window face, white boxes, black text, grey text for what
    // cannot be edited (dark enough for 4.5:1 on both the face and the boxes).
    const QColor face(240, 240, 240);
    const QColor greyText(109, 109, 109);
    QPalette palette(Qt::black, face, Qt::white, QColor(160, 160, 160), QColor(160, 160, 160),
        Qt::black, Qt::white, Qt::white, face);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Midlight, QColor(227, 227, 227));
        palette.setColor(group, QPalette::Shadow, QColor(105, 105, 105));
        palette.setColor(group, QPalette::AlternateBase, QColor(247, 247, 247));
        palette.setColor(group, QPalette::Highlight, QColor(0, 120, 215));
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
        palette.setColor(group, QPalette::Link, QColor(0, 102, 204));
        palette.setColor(group, QPalette::LinkVisited, QColor(102, 0, 153));
        palette.setColor(group, QPalette::ToolTipBase, QColor(255, 255, 225));
        palette.setColor(group, QPalette::ToolTipText, Qt::black);
        palette.setColor(group, QPalette::PlaceholderText, greyText);
    }
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, greyText);
    return palette;
}

} // namespace tanvera

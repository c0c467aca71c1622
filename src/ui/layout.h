// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's content as one table: every control with its kind, container, place in twips,
// text, font, look and tab index, in stacking order (the first row lies on top of all others).
#pragma once

#include <cstdint>
#include <span>

namespace tanvera {

enum class ControlKind { Button, TextBox, PictureBox, Frame, Label, Line, Image };

enum class FontKind {
    Window, // the window's user-interface font
    SansSerif11, // "MS Sans Serif" 11.41 pt
    SansSerif9, // "MS Sans Serif" 9.27 pt
    Arial8, // the Arial family, 8.56 pt
};

enum ControlFlag : unsigned {
    Centred = 1u << 0,
    Locked = 1u << 1, // selectable and copyable, not editable; grey text
    Transparent = 1u << 2, // the diagram shows around the letters, as for any label not Opaque
    Opaque = 1u << 3, // the window-face colour behind the text
    Bordered = 1u << 4,
    Hidden = 1u << 5,
    InFrame = 1u << 6, // placed inside Frame1, relative to its top-left corner
};

struct ControlSpec
{
    const char* name;
    ControlKind kind;
    int left, top, width, height; // twips; for a line its two end points (x1, y1, x2, y2)
    const char* text; // caption or initial text, UTF-8
    FontKind font = FontKind::Window;
    unsigned flags = 0;
    int tabIndex = -1; // -1: never part of the focus order
    const char* accessibleName = nullptr; // a text box's caption, for screen readers
    std::uint32_t lineColour = 0; // RGB() value, 0 for the window-text colour; lines only
    int lineWidth = 1; // pixels; lines only
};

std::span<const ControlSpec> windowLayout();

constexpr int ClientWidthTwips = 15078;
constexpr int ClientHeightTwips = 7672;

} // namespace tanvera

// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's content as one table: every control with its kind, container, place in twips,
// text, font, look and tab index, in stacking order (the first row lies on top of all others).
#pragma once

#include <cstdint>
#include <span>

namespace tanvera {

enum class ControlKind { Button, TextBox, PictureBox, Frame, Label, Line, Image };

// A font of the layout: its size in points of the window's layout, in the face that stands for
// the layout's "MS Sans Serif" or for its Arial family.
struct FontSpec
{
    enum class Face { SansSerif, Arial };
    double points;
    Face face = Face::SansSerif;
    bool operator==(const FontSpec&) const = default;
};

namespace Fonts {
inline constexpr FontSpec Window {8}; // the window's user-interface font
inline constexpr FontSpec SansSerif11 {11.41};
inline constexpr FontSpec SansSerif9 {9.27};
inline constexpr FontSpec Arial8 {8.56, FontSpec::Face::Arial};
} // namespace Fonts

enum ControlFlag : unsigned {
    Centred = 1u << 0,
    Locked = 1u << 1, // selectable and copyable, not editable; grey text
    Opaque = 1u << 2, // the window-face colour behind the text; other labels show what lies under
    Bordered = 1u << 3,
    Hidden = 1u << 4,
    InFrame = 1u << 5, // placed inside Frame1, relative to its top-left corner
};

struct ControlSpec
{
    const char* name;
    ControlKind kind;
    int left, top, width, height; // twips; for a line its two end points (x1, y1, x2, y2)
    const char* text; // caption or initial text, UTF-8
    FontSpec font = Fonts::Window;
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

// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "layout.h"

#include "chart/curves.h"

namespace tanvera {

namespace {

using K = ControlKind;
namespace F = Fonts;

const ControlSpec Layout[] = {
    {"Command3", K::Button, 3240, 5880, 1455, 1335, "Salir", F::Window, 0, 29},
    {"Text1(6)", K::TextBox, 6585, 3600, 855, 375, "10", F::SansSerif11, Centred | Locked, 25,
        "Q2 (l/h):"},
    {"Text1(5)", K::TextBox, 1680, 1560, 1095, 375, "0", F::SansSerif11, Centred | Locked, 22,
        "C1j (mol/m3):"},
    {"Text1(4)", K::TextBox, 6420, 2160, 735, 375, "100", F::SansSerif11, Centred, 20,
        "Apertura válvula (%)"},
    {"Text1(3)", K::TextBox, 12480, 120, 1215, 375, "20000", F::SansSerif11, Centred, 10,
        "t máximo (s):"},
    {"Command2", K::Button, 8160, 6720, 6855, 495, "Borrar Gráfica", F::Window, 0, 8},
    {"Picture2", K::PictureBox, 8160, 480, 6855, 5060, "", F::Window, 0, 7},
    {"Command1", K::Button, 120, 5880, 3015, 1335, "Calcular", F::Window, 0, 6},
    {"Text1(2)", K::TextBox, 4320, 5280, 1095, 375, "250", F::SansSerif11, Centred, 4,
        "Cjo (mol/m3):"},
    {"Text1(1)", K::TextBox, 1680, 1080, 1095, 375, "10", F::SansSerif11, Centred, 3, "Q1 (l/h):"},
    {"Text1(0)", K::TextBox, 4320, 4560, 1095, 375, "5.4", F::SansSerif11, Centred, 2, "V (l):"},
    {"Frame1", K::Frame, 4800, 5880, 3255, 1335, "Instantáneo C = f(t)", F::Window, 0, 15},
    {"Text2", K::TextBox, 120, 720, 1335, 375, "0", F::SansSerif11, Centred | InFrame, 17, "t (s)"},
    {"Line1", K::Line, 120, 600, 3120, 600, "", F::Window, InFrame},
    {"Label2", K::Label, 1680, 720, 1455, 375, "", F::SansSerif11, Centred | Bordered | InFrame,
        19},
    {"Label3(1)", K::Label, 1680, 360, 1455, 255, "Cj (mol/m3)", F::Window, Centred | InFrame, 18},
    {"Line2", K::Line, 1560, 360, 1560, 1080, "", F::Window, InFrame},
    {"Label3(0)", K::Label, 120, 360, 1455, 255, "t (s)", F::Window, Centred | InFrame, 16},
    {"Label7", K::Label, 120, 7320, 14895, 255,
        "Con agradecimiento a los profesores y estudiantes de Ingeniería Química que inspiraron "
        "este programa.",
        F::Arial8, Centred, 31},
    {"Label6(0)", K::Label, 9000, 240, 1815, 255, "", F::Window, Opaque, 30},
    {"Label1(9)", K::Label, 1440, 2520, 1215, 375, "Vmax=V·10", F::SansSerif9, 0, 28},
    {"Label1(8)", K::Label, 2280, 2880, 255, 375, "V", F::SansSerif9, 0, 27},
    {"Label1(7)", K::Label, 5745, 3600, 855, 375, "Q2 (l/h):", F::SansSerif11, 0, 26},
    {"Label1(6)", K::Label, 5745, 4080, 1770, 375, "C2j (mol/m3): ?", F::SansSerif11, 0, 24},
    {"Label1(5)", K::Label, 240, 1560, 1455, 375, "C1j (mol/m3):", F::SansSerif11, 0, 23},
    {"Label1(4)", K::Label, 6300, 1560, 1215, 615, "Apertura válvula (%)", F::SansSerif11, Centred,
        21},
    {"Label1(0)", K::Label, 3720, 4560, 495, 375, "V (l):", F::SansSerif11, 0, 0},
    {"Label5", K::Label, 13800, 195, 855, 255, "", F::SansSerif9, 0, 14},
    {"Label4(2)", K::Label, 9120, 6360, 5760, 255, "", F::Window, Opaque, 13},
    {"Label4(1)", K::Label, 9120, 6000, 5760, 255, "", F::Window, Opaque, 12},
    {"Label4(0)", K::Label, 9120, 5640, 5775, 255, "", F::Window, Opaque, 11},
    {"Line3(2)", K::Line, 8280, 6480, 8880, 6480, "", F::Window, Hidden, -1, nullptr,
        CurveLooks[2].colour, 2},
    {"Line3(1)", K::Line, 8280, 6120, 8880, 6120, "", F::Window, Hidden, -1, nullptr,
        CurveLooks[1].colour, 2},
    {"Line3(0)", K::Line, 8280, 5760, 8880, 5760, "", F::Window, Hidden, -1, nullptr,
        CurveLooks[0].colour, 2},
    {"Label1(3)", K::Label, 10920, 120, 1455, 375, "t máximo (s):", F::SansSerif11, 0, 9},
    {"Label1(2)", K::Label, 2880, 5280, 1455, 375, "Cjo (mol/m3):", F::SansSerif11, 0, 5},
    {"Label1(1)", K::Label, 240, 1080, 1335, 375, "Q1 (l/h):", F::SansSerif11, 0, 1},
    {"Image1", K::Image, 126, 126, 7420, 5110, ":/diagram.svg"},
};

} // namespace

std::span<const ControlSpec> windowLayout()
{
    return Layout;
}

} // namespace tanvera

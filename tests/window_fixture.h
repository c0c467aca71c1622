// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds the real window offscreen and drives it the way a user does: typing into boxes,
// clicking buttons and moving the pointer. Message boxes are recorded instead of shown.
#pragma once

#include "chart/caption_label.h"
#include "chart/picture2.h"
#include "runtime/message_box.h"
#include "ui/form1.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tanvera {

constexpr std::uint32_t Red = 0x0000FF, Green = 0x00FF00, Blue = 0xFF0000;
constexpr std::array<std::uint32_t, 3> Colours = {Red, Green, Blue}; // by slot

// Whether a pixel is mostly of a curve's colour: a dot, or its edge over the frame.
bool Tinted(QRgb pixel, std::uint32_t colour);
bool CurveAt(const QImage& image, std::uint32_t colour, float x, float y);

// Types a text key by key into a widget, characters beyond ASCII included.
void typeKeys(QWidget* widget, const QString& typed);

class RecordingMessageBox : public MessageBox
{
public:
    void show(const std::string& text) override { shown.push_back(text); }
    // What was shown since the last call, forgotten as it is read.
    std::vector<std::string> take() { return std::exchange(shown, {}); }
    std::vector<std::string> shown;
};

class WindowTest : public testing::Test
{
protected:
    explicit WindowTest(char separator = ',')
        : window(std::make_unique<Form1>(separator, messages))
    { }

    template <typename T = QWidget> T* control(const char* name) const
    {
        T* found = window->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit* box(const char* name) const { return control<QLineEdit>(name); }
    std::string text(const char* name) const;
    Picture2& picture() const { return *control<Picture2>("Picture2"); }
    ChartState& state() const { return window->state(); }

    // Replaces the whole text of a box key by key, as a user selecting it and typing over it.
    void typeInto(const char* name, const QString& typed);
    void click(const char* name);
    void moveTo(float xTwips, float yTwips);
    // Types the parameters into boxes 0..4 without triggering anything but their own events.
    void setParameters(const char* litres, const char* flow, const char* conc, const char* time,
        const char* valve);
    void calculate(const char* litres, const char* flow, const char* conc, const char* time,
        const char* valve);
    // A full chart: the start values, then twice the flow, which the third curve keeps.
    void drawThreeCurves();

    // The legend rows under the chart, red, green and blue: their texts, and whether their
    // colour marks show.
    using Legends = std::array<std::string, 3>;
    using Marks = std::array<bool, 3>;
    Legends legends() const;
    Marks legendMarks() const;

    // The chart as it reaches the screen.
    QImage onScreen() const { return picture().grab().toImage(); }
    // Whether the chart shows ink of that curve colour at (x, y) in twips or a pixel beside it.
    bool curveAt(std::uint32_t colour, float x, float y) const
    {
        return CurveAt(onScreen(), colour, x, y);
    }
    // How many points the curve of that colour has, as recorded for the readout and the copy;
    // the screen must agree: its ink reaches the last point's column and goes no further.
    std::size_t points(std::uint32_t colour) const;
    // Whether the chart shows each of these texts with its top-left corner there, in twips, as
    // painted in one of the type sizes the frame takes.
    struct Printed
    {
        const char* text;
        float x, y;
    };
    testing::AssertionResult hasTexts(std::initializer_list<Printed> wanted) const;
    // Whether the scale's texts, as painted at scale 1, keep a blank pixel between their ink and
    // every line and the box's border, the time row shows its texts as that many runs of ink at
    // least five blank columns apart, and the concentration column its texts a blank row apart.
    testing::AssertionResult scaleStandsApart() const;

    RecordingMessageBox messages;
    std::unique_ptr<Form1> window;
};

// Whether a label shows whole words of its caption on whole lines, nothing cut or broken: its
// first words, a number perhaps in a shorter form of itself, and "…" for any left out, never
// before the last number ("= …" would hide the hours, "5000 , …" the concentration).
testing::AssertionResult ShowsWholeWords(const QLabel* label);
bool ReadsAsTheSameNumber(const QString& shorter, const QString& number);

// Whether the messages shown are a single run-time overflow fault's.
testing::AssertionResult OneOverflowFault(const std::vector<std::string>& shown);

// Every box, in the order of their names.
inline const char* const Boxes[]
    = {"Text1(0)", "Text1(1)", "Text1(2)", "Text1(3)", "Text1(4)", "Text1(5)", "Text1(6)", "Text2"};

inline const char* ValidationMessage = "El Volumen, el Caudal, la apertura de la válvula y la "
                                       "Concentración inicial deben ser mayores que cero";
inline const char* ValveMessage = "La apertura de la válvula no puede ser mayor del 100%";

} // namespace tanvera

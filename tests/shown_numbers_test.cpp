// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_fixture.h"

#include <cstdlib>

using namespace tanvera;

using ShownNumbers = WindowTest;

namespace {

// The pixels of a widget's area that differ from a colour by more than `by` in grey, or match it
// for `by` 0: their bounds, and how many bands of rows next to each other hold them.
std::pair<QRect, int> inkOf(QWidget* widget, const QRect& area, const QColor& colour, int by = 60)
{
    const QImage image = widget->grab().toImage();
    QRect bounds;
    int bands = 0;
    bool above = false;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        bool here = false;
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (by ? std::abs(qGray(pixel) - qGray(colour.rgb())) > by : pixel == colour.rgb()) {
                bounds |= QRect(x, y, 1, 1);
                here = true;
            }
        }
        bands += here && !above;
        above = here;
    }
    return {bounds, bands};
}

} // namespace

TEST_F(ShownNumbers, BoxesTheProgramWritesShowTheirStart)
{
    // The comma rule on box 0, reading into box 6 and the valve limit into box 4.
    calculate("12345678,5", "10000", "250", "20000", "150");
    EXPECT_EQ(messages.shown, std::vector<std::string> {ValveMessage});
    for (const char* name : {"Text1(0)", "Text1(6)", "Text1(4)"})
        EXPECT_EQ(box(name)->cursorPosition(), 0) << name;
    EXPECT_EQ(text("Text1(0)"), "12345678.5");
    EXPECT_EQ(text("Text1(6)"), "10000,00");
    EXPECT_EQ(text("Text1(4)"), "100");

    // The outflow box shows its whole value, in smaller type where needed, or a shorter form of
    // it: on one line, where the mouse selects, and so copies, the text as painted.
    auto* outflow = box("Text1(6)");
    for (const auto& [flow, whole] : {std::pair {"1234.56", true}, {"123456789", true},
             {"-98765432", true}, {"3.4e38", false}}) {
        typeInto("Text1(1)", flow);
        click("Command1");
        EXPECT_EQ(outflow->text() == outflow->toolTip(), whole) << outflow->text().toStdString();
        EXPECT_TRUE(whole || ReadsAsTheSameNumber(outflow->text(), outflow->toolTip()));
        const QRect inside = outflow->rect().adjusted(3, 3, -3, -3);
        const auto [ink, bands] = inkOf(outflow, inside, outflow->palette().color(QPalette::Base));
        EXPECT_EQ(bands, 1) << flow;
        const int y = ink.center().y();
        QTest::mousePress(outflow, Qt::LeftButton, {}, {ink.left() - 1, y});
        QTest::mouseMove(outflow, {ink.right() + 1, y});
        QTest::mouseRelease(outflow, Qt::LeftButton, {}, {ink.right() + 1, y});
        EXPECT_EQ(outflow->selectedText(), outflow->text()) << flow;
        EXPECT_EQ(
            inkOf(outflow, inside, outflow->palette().color(QPalette::Highlight), 0).second, 1);
        EXPECT_EQ(outflow->accessibleName().endsWith(outflow->toolTip()), !whole);
    }
}

TEST_F(ShownNumbers, CaptionsShowWholeWordsOnWholeLines)
{
    calculate("12.345", "123.456", "5.4", "20000", "99.12345"); // a Single's seven digits
    const QString legend = QStringLiteral("V = 12,345 (l) -- Q = 123,456 (l/h) -- Co = "
                                          "5,40000009536743 (mol/m3) -- Ap.Valv = 99,12345 (%)");
    ASSERT_EQ(control<QLabel>("Label4(0)")->text(), legend);

    // The hours take the room beside them, and a long value a smaller type.
    auto* hours = static_cast<CaptionLabel*>(control<QLabel>("Label5"));
    const QFont labelFont = hours->font();
    for (const auto& [time, fullSize] :
        {std::pair {"360000", true}, {"36000000000", false}, {"1e20", false}, {"3.4e38", false}}) {
        typeInto("Text1(3)", time);
        // The number whole, or in a shorter form, on one line of type.
        EXPECT_TRUE(ShowsWholeWords(hours));
        EXPECT_EQ(inkOf(hours, hours->rect(), hours->palette().color(QPalette::Window)).second, 1)
            << hours->text().toStdString();
        EXPECT_EQ(hours->font() == labelFont, fullSize) << time;
        EXPECT_LE(hours->geometry().right(), window->width());
    }
    typeInto("Text1(3)", "20000");
    EXPECT_EQ(hours->width(), 61); // given back for a caption that fits
    EXPECT_EQ(hours->font(), labelFont);
}

// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/numtext.h"
#include "ui/readout_box.h"
#include "window_fixture.h"

#include <QRegularExpression>
#include <tuple>

using namespace tanvera;

using ShownNumbers = WindowTest;

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

    // The outflow box shows its whole value, in smaller type where needed, or its first digits
    // and "…": never a digit string that reads as another number.
    auto* outflow = static_cast<ReadoutBox*>(box("Text1(6)"));
    const qreal room = outflow->textArea().width();
    for (const auto& [flow, whole] : {std::pair {"1234.56", true}, {"123456789", true},
             {"-98765432", true}, {"3.4e38", false}}) {
        typeInto("Text1(1)", flow);
        click("Command1");
        const QString shown = outflow->shownText();
        EXPECT_LE(QFontMetricsF(outflow->shownFont()).horizontalAdvance(shown), room) << flow;
        EXPECT_EQ(shown == outflow->text(), whole) << shown.toStdString();
        if (!whole) {
            EXPECT_TRUE(shown.endsWith(u'…') && outflow->text().startsWith(shown.chopped(1)));
        }
        EXPECT_EQ(outflow->toolTip(), outflow->text());
    }
}

TEST_F(ShownNumbers, CaptionsShowWholeWordsOnWholeLines)
{
    // At start every caption fits as it is, on one line but for the valve's.
    for (const auto* label : window->findChildren<CaptionLabel*>()) {
        EXPECT_FALSE(label->isShortened()) << label->objectName().toStdString();
        const bool twoLines = label->objectName() == "Label1(4)";
        EXPECT_EQ(label->shownText().contains(u'\n'), twoLines) << label->shownText().toStdString();
    }

    calculate("12.345", "123.456", "5.4", "20000", "33.3");
    const QString legend = QStringLiteral("V = 12,345 (l) -- Q = 123,456 (l/h) -- Co = "
                                          "5,40000009536743 (mol/m3) -- Ap.Valv = 33,3 (%)");
    ASSERT_EQ(control<QLabel>("Label4(0)")->text(), legend);

    const char sep = ',';
    // Whether the caption's first number fits in legible type: a readout shows its value.
    const std::tuple<const char*, std::string, bool> longest[] = {
        {"Label4(0)", legend.toStdString(), true},
        {"Label4(1)",
            "V = -3,402823E+38 (l) -- Q = -3,402823E+38 (l/h) -- Co = -3,40282346638529E+38 "
            "(mol/m3) -- Ap.Valv = -3,402823E+38 (%)",
            true},
        {"Label2", Format(1e300, Pattern::FourDecimals, sep), false},
        {"Label2", Format(-3.4e38, Pattern::FourDecimals, sep), true},
        {"Label2", Format(-123456789012.3, Pattern::FourDecimals, sep), true},
        {"Label5", "= " + Format(1e300 / 3600, Pattern::TwoDecimals, sep) + " h", false},
        {"Label5", "= " + Format(-12345678.9, Pattern::TwoDecimals, sep) + " h", true},
        {"Label6(0)", Str(-1.23456789012346e300, sep) + " , " + Str(-2.5e299, sep), true},
        {"Label6(0)", Str(-123456789012.3, sep) + " , " + Str(-98765432.1, sep), true},
    };
    for (const auto& [name, caption, numberShows] : longest) {
        auto* label = static_cast<CaptionLabel*>(control<QLabel>(name));
        if (caption != legend.toStdString())
            label->setText(QString::fromStdString(caption));
        EXPECT_TRUE(ShowsWholeWords(label));
        EXPECT_EQ(
            label->shownText().contains(QRegularExpression(QStringLiteral("\\d"))), numberShows)
            << caption;
    }

    // The hours take the room beside them, and a long value a smaller type.
    const QFont labelFont = control<QLabel>("Label5")->font();
    for (const auto& [time, fullSize] :
        {std::pair {"360000", true}, {"36000000000", false}, {"1e20", false}, {"3.4e38", false}}) {
        typeInto("Text1(3)", time);
        auto* hours = static_cast<CaptionLabel*>(control<QLabel>("Label5"));
        const QString number = hours->text().section(u' ', 0, 1); // "= 100,00"
        // A number longer than a line is read on from one line to the next.
        EXPECT_TRUE(hours->shownText().remove(u'\n').startsWith(number))
            << hours->shownText().toStdString();
        EXPECT_EQ(hours->shownFont() == labelFont, fullSize) << time;
        EXPECT_LE(hours->geometry().right(), window->width());
    }
    typeInto("Text1(3)", "20000");
    auto* hours = static_cast<CaptionLabel*>(control<QLabel>("Label5"));
    EXPECT_EQ(hours->width(), 61); // given back for a caption that fits
    EXPECT_EQ(hours->shownFont(), labelFont);
    hours->resize(30, hours->height()); // the same caption in less room is laid out again
    EXPECT_NE(hours->shownFont(), labelFont);
}
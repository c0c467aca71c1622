// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/numtext.h"
#include "window_fixture.h"

using namespace tanvera;

namespace {

class ShownNumbers : public WindowTest
{ };

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
    const std::pair<const char*, std::string> longest[] = {
        {"Label4(0)", legend.toStdString()},
        {"Label4(1)",
            "V = -3,402823E+38 (l) -- Q = -3,402823E+38 (l/h) -- Co = -3,40282346638529E+38 "
            "(mol/m3) -- Ap.Valv = -3,402823E+38 (%)"},
        {"Label2", Format(1e300, Pattern::FourDecimals, sep)},
        {"Label2", Format(-3.4e38, Pattern::FourDecimals, sep)},
        {"Label5", "= " + Format(1e300 / 3600, Pattern::TwoDecimals, sep) + " h"},
        {"Label5", "= " + Format(-12345678.9, Pattern::TwoDecimals, sep) + " h"},
        {"Label6(0)", Str(-1.23456789012346e300, sep) + " , " + Str(-2.5e299, sep)},
        {"Label6(0)", Str(-123456789012.3, sep) + " , " + Str(-98765432.1, sep)},
    };
    for (const auto& [name, caption] : longest) {
        auto* label = control<QLabel>(name);
        if (caption != legend.toStdString())
            label->setText(QString::fromStdString(caption));
        EXPECT_TRUE(ShowsWholeWords(label));
        EXPECT_TRUE(static_cast<CaptionLabel*>(label)->isShortened()) << caption;
    }
}

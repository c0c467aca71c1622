// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_fixture.h"

using namespace tanvera;

using Calculate = WindowTest;

TEST_F(Calculate, StartValuesDrawTheRedCurveWithItsLegend)
{
    click("Command1");
    EXPECT_TRUE(messages.shown.empty());
    ASSERT_EQ(points(Red), 5001u);
    EXPECT_TRUE(curveAt(Red, 800, 100) && curveAt(Red, 3777.5, 4732.8));
    EXPECT_TRUE(curveAt(Red, 6755, 4759.8) && !curveAt(Red, 3777.5, 4732.8 - 42));
    EXPECT_EQ(legendMarks(), (Marks {true, false, false}));
    EXPECT_EQ(state().CurveSlot, 1);
    EXPECT_EQ(state().ConcResults(0, 5000), 0.008509221907748098);
    EXPECT_EQ(text("Text1(6)"), "10,00"); // the comma rule made it 10.00, reading wrote 10,00
}

TEST_F(Calculate, OverflowIsReportedOnceAndCutsTheCurve)
{
    calculate("10", "100", "5,4", "20000", "10");
    ASSERT_EQ(messages.take(), std::vector<std::string> {"Desbordamniento a t = 3600 (s)"});
    EXPECT_EQ(points(Red), 901u);
    EXPECT_EQ(text("Text1(2)"), "5.4"); // the comma rule rewrote the box
    EXPECT_EQ(text("Label4(0)"),
        "V = 10 (l) -- Q = 100 (l/h) -- Co = 5,40000009536743 (mol/m3) -- Ap.Valv = 10 (%)");
    EXPECT_EQ(state().CurveSlot, 1);

    calculate("1", "162.1", "250", "1000", "0"); // its time in fifteen digits
    EXPECT_EQ(
        messages.shown, std::vector<std::string> {"Desbordamniento a t = 199,999999999997 (s)"});
    EXPECT_EQ(points(Green), 1001u);
}

TEST_F(Calculate, ValveAboveAHundredIsLimited)
{
    calculate("5.4", "10", "250", "20000", "150");
    EXPECT_EQ(messages.take(), std::vector<std::string> {ValveMessage});
    EXPECT_EQ(text("Text1(4)"), "100");
    EXPECT_EQ(text("Text1(6)"), "10,00");
    EXPECT_EQ(state().OutflowRate(0), state().InflowRate(0));
    EXPECT_EQ(points(Red), 5001u); // constant volume: no overflow

    calculate("5.4", "10", "250", "20000", "100"); // exactly 100 passes silently
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(state().CurveSlot, 2);
}

TEST_F(Calculate, InvalidInputsAreRejectedWithoutACurve)
{
    struct Case
    {
        const char *litres, *flow, *conc, *valve;
    };
    for (const Case& c : {Case {"5.4", "10", "250", "-5"}, Case {"0", "10", "250", "100"},
             Case {"5.4", "", "250", "100"}, Case {"5.4", "10", "0", "100"},
             Case {"abc", "10", "250", "100"}, Case {"0.00009", "10", "250", "100"},
             Case {"5.4", "0.035", "250", "100"}}) {
        calculate(c.litres, c.flow, c.conc, "20000", c.valve);
        EXPECT_EQ(messages.take(), std::vector<std::string> {ValidationMessage})
            << c.litres << " " << c.flow;
        EXPECT_EQ(points(Red), 0u);
        EXPECT_EQ(state().CurveSlot, 0);
    }
    calculate("0.0001", "0.036", "0.0001", "20000", "100"); // the smallest accepted values
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(state().CurveSlot, 1);
}

TEST_F(Calculate, LargerCurveRescalesTheEarlierOne)
{
    click("Command1");
    calculate("5.4", "10", "500", "20000", "100");
    EXPECT_EQ(state().ConcAxisMax, 500.f);
    EXPECT_TRUE(curveAt(Red, 800, 2430) && !curveAt(Red, 800, 100)); // 250 is half way up
    EXPECT_TRUE(curveAt(Green, 800, 100));
    EXPECT_TRUE(hasTexts({{"500,0", 300, 1}}));
}

TEST_F(Calculate, FourthCalculationStartsANewChart)
{
    drawThreeCurves();
    EXPECT_EQ(state().CurveSlot, 3);
    EXPECT_EQ(points(Blue), 5001u);
    EXPECT_EQ(legendMarks(), (Marks {true, true, true}));

    calculate("5.4", "40", "100", "20000", "100");
    EXPECT_EQ(state().CurveSlot, 1);
    EXPECT_EQ(points(Red), 5001u);
    EXPECT_EQ(points(Green) + points(Blue), 0u);
    EXPECT_EQ(state().ConcAxisMax, 100.f); // the new chart is scaled to the new curve only
    EXPECT_EQ(legends(),
        (Legends {
            "V = 5,4 (l) -- Q = 40 (l/h) -- Co = 100 (mol/m3) -- Ap.Valv = 100 (%)", "", ""}));
    EXPECT_EQ(legendMarks(), (Marks {true, false, false}));
}

TEST_F(Calculate, InvalidFourthCalculationLeavesAnEmptyFrame)
{
    drawThreeCurves();
    calculate("5.4", "10", "0", "20000", "100");
    EXPECT_EQ(messages.shown, std::vector<std::string> {ValidationMessage});
    EXPECT_EQ(state().CurveSlot, 0);
    EXPECT_EQ(points(Red), 0u);
    EXPECT_TRUE(hasTexts({{"250,0", 300, 1}})); // the frame keeps the old scale
    EXPECT_EQ(legends(), Legends {});
}

TEST_F(Calculate, ZeroMaximumTimeKeepsTheInitialConcentration)
{
    calculate("5.4", "10", "250", "0", "100");
    ASSERT_EQ(points(Red), 5001u);
    EXPECT_EQ(state().TimePoints(5000), 0.0);
    EXPECT_EQ(state().ConcResults(0, 5000), 250.0);
    EXPECT_TRUE(curveAt(Red, 6755, 100));
}

TEST_F(Calculate, FaultsAreReportedWholeAndTheWindowGoesOn)
{
    const std::string fault = "Error en tiempo de ejecución: ";
    const std::string unstable
        = "Desbordamiento.\n\nLa integración se volvió inestable cerca de t = ";
    const std::string advice = " s: pruebe con un tiempo máximo menor o un volumen mayor.";
    struct Case
    {
        const char *litres, *flow, *time, *valve;
        std::string shown;
    };
    const std::string hexadecimal = "&H1" + std::string(256, '0'); // 2^1024
    // The time named is written as every number the window shows: "456.00684" would be 456006840.
    for (const Case& c :
        {Case {"0.1", "1000", "20000.3", "100", fault + unstable + "456,006840000001" + advice},
            // Backwards in time the acid comes back: 250·exp(55555) does not fit a Double.
            Case {"0.1", "1000", "-20000", "100", fault + unstable + "-408" + advice},
            // Backwards the tank empties: 1/1024 m3 less 1/1048576 m3/s for 1024 s, a step's end.
            Case {"0.9765625", "3.4332275390625", "-1250", "0",
                fault
                    + "División por cero.\n\nEl volumen de líquido del depósito llega a cero "
                      "cerca de t = -1023,75 s."},
            Case {"1e400", "10", "20000", "100",
                fault + "Desbordamiento.\n\nEl número escrito es demasiado grande."},
            Case {hexadecimal.c_str(), "10", "20000", "100",
                fault + "Desbordamiento.\n\nEl número escrito es demasiado grande."},
            Case {"1e300", "10", "20000", "100", fault + "Desbordamiento."}}) { // not a Single
        calculate(c.litres, c.flow, "250", c.time, c.valve);
        EXPECT_EQ(messages.take(), std::vector {c.shown}) << c.litres << " " << c.time;
        EXPECT_EQ(state().CurveSlot, 0);
        EXPECT_EQ(points(Red), 0u);
    }
    calculate("5.4", "10", "250", "20000", "100");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(points(Red), 5001u);
    EXPECT_EQ(state().ConcResults(0, 5000), 0.008509221907748098);
    typeInto("Text2", "3e9"); // beyond a 32-bit number of seconds
    EXPECT_EQ(messages.take(),
        std::vector {fault
            + "Desbordamiento.\n\nEl tiempo de la consulta está fuera del intervalo admitido."});
}

TEST_F(Calculate, CurveWhoseLegendCannotBeWrittenIsNotDrawnButTheEarlierOnesStay)
{
    const std::string firstLegend
        = "V = 5,4 (l) -- Q = 10 (l/h) -- Co = 250 (mol/m3) -- Ap.Valv = 100 (%)";
    click("Command1");
    // 3.5e38 litres is a valid Single in m3 but not in litres, as the legend writes it.
    calculate("3.5e38", "10", "250", "20000", "100");
    EXPECT_EQ(
        messages.shown, std::vector<std::string> {"Error en tiempo de ejecución: Desbordamiento."});
    // The redraw stopped at the second curve: the first stays whole with its legend, the
    // second has no point and no legend.
    EXPECT_EQ(state().CurveSlot, 1);
    EXPECT_EQ(points(Red), 5001u);
    EXPECT_EQ(points(Green), 0u);
    EXPECT_EQ(legends(), (Legends {firstLegend, "", ""}));
    EXPECT_EQ(legendMarks(), (Marks {true, false, false}));

    typeInto("Text1(3)", "10000"); // the first curve is redrawn over the new time
    EXPECT_EQ(points(Red), 5001u);
    EXPECT_EQ(legends(), (Legends {firstLegend, "", ""}));
    EXPECT_EQ(legendMarks(), (Marks {true, false, false}));
}

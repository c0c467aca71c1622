// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_fixture.h"

#include <algorithm>
#include <cmath>
#include <map>

using namespace tanvera;

using EdgeRuns = WindowTest;

TEST_F(EdgeRuns, TankOverflowsOnlyStrictlyAboveItsMaximum)
{
    struct Case
    {
        const char *litres, *flow, *time, *valve, *message;
        std::size_t dots;
    };
    const Case cases[] = {
        // Binary fractions: at 1152 s the volume is exactly 1.25 m3, the maximum, which is
        // not yet an overflow; the next step, 0.25 s later, is.
        {"125", "3515.625", "1250", "0", "Desbordamniento a t = 1152,25 (s)", 4610},
        // The volume reaches its maximum to the last digit at step 192 only when summed as
        // (Qin·t − t·Qout) + V0; summed as (Qin − Qout)·t + V0 it is already above it.
        {"500", "703125", "1000", "40", "Desbordamniento a t = 38,6 (s)", 194},
        // Here (V0 + Qin·t) − t·Qout would not yet be above the maximum at step 192.
        {"750", "703125", "1000", "10", "Desbordamniento a t = 38,4 (s)", 193},
    };
    for (const Case& c : cases) {
        click("Command2");
        calculate(c.litres, c.flow, "250", c.time, c.valve);
        EXPECT_EQ(messages.take(), std::vector<std::string> {c.message}) << c.litres;
        EXPECT_EQ(points(Red), c.dots) << c.litres;
    }
}

TEST_F(EdgeRuns, NegativeMaximumTimeRunsBackAndTheAcidComesBack)
{
    calculate("5.4", "10", "250", "-1000", "100");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(state().CurveSlot, 1);
    EXPECT_EQ(text("Label5"), "= -0,28 h");

    // Back in time the concentration rises: 250·exp(Q·1000/V) at the end of the run.
    const double rate = double(state().InflowRate(0)) / double(state().StartVolume(0));
    const double last = state().ConcResults(0, 5000);
    EXPECT_NEAR(last, 250 * std::exp(rate * 1000), 1e-9);
    // The axis grew to hold it: the curve climbs from below the top to the top-right corner.
    EXPECT_EQ(state().ConcAxisMax, static_cast<float>(last));
    ASSERT_EQ(points(Red), 5001u);
    EXPECT_TRUE(!curveAt(Red, 800, 1000) && curveAt(Red, 6755, 100));

    // Negative numbers take the place of the leading blank with their sign.
    EXPECT_TRUE(hasTexts({{"-250 ", 2013.75f, 4860}, {"-500 ", 3527.5f, 4860},
        {"-750 ", 5041.25f, 4860}, {"-1000 ", 6355, 4860}}));
}

TEST_F(EdgeRuns, AxisIsRaisedOnTheStepThatOverflows)
{
    // A huge feed into a 1 l tank: the first step is unstable and jumps far above the initial
    // concentration, and it already takes the tank above ten litres.
    calculate("1", "360000", "250", "5000", "90");
    EXPECT_EQ(messages.shown, std::vector<std::string> {"Desbordamniento a t = 1 (s)"});
    const double jump = state().ConcResults(0, 1);
    EXPECT_GT(jump, 1000 * 250.0);
    EXPECT_EQ(state().ConcAxisMax, static_cast<float>(jump));
    ASSERT_EQ(points(Red), 2u);
    // At its top, on the chart; the start is close to the time axis on that scale.
    EXPECT_TRUE(curveAt(Red, 801.2, 100) && curveAt(Red, 800, 4759));
}

TEST_F(EdgeRuns, DecimalCommaRuleCoversEveryBoxTheRequestReads)
{
    // Typed, or set from code for the locked box 5; box 6 holds the "10,00" that reading wrote.
    const std::pair<const char*, QString> parameterBoxes[] = {{"Text1(0)", "5,4"},
        {"Text1(1)", "10,5"}, {"Text1(2)", "250,5"}, {"Text1(3)", "20000,5"}, {"Text1(4)", "99,5"},
        {"Text1(5)", "0,5"}, {"Text1(6)", "10,00"}};
    for (const bool query : {false, true}) {
        window = std::make_unique<Form1>(',', messages);
        for (const auto& [name, typed] : parameterBoxes) {
            if (box(name)->isReadOnly())
                box(name)->setText(typed);
            else
                typeInto(name, typed);
        }
        std::map<std::string, std::vector<QString>> seen;
        for (const char* name : Boxes)
            QObject::connect(box(name), &QLineEdit::textChanged,
                [&seen, name](const QString& now) { seen[name].push_back(now); });
        if (query) {
            box("Text2")->selectAll();
            box("Text2")->insert("7,5"); // pasted in one go
        } else {
            click("Command1");
        }
        for (const auto& [name, typed] : parameterBoxes)
            EXPECT_TRUE(std::ranges::count(seen[name], QString(typed).replace(u',', u'.')) > 0)
                << name << (query ? " in the time query" : " in the calculation");
        EXPECT_TRUE(!query || text("Text2") == "7.5") << text("Text2");
        EXPECT_EQ(state().MaxTime, 20000.5);
        EXPECT_EQ(state().TankVolume(0), 0.0054f);
    }
}

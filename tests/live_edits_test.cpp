// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_fixture.h"

#include <cmath>

using namespace tanvera;

namespace {

using TimeQuery = WindowTest;
using MaxTimeEdit = WindowTest;

} // namespace

TEST_F(TimeQuery, ShowsTheConcentrationAtTheTypedTimeRoundedHalfToEven)
{
    const auto shownFor = [&](const char* typed) {
        typeInto("Text2", typed);
        return text("Label2");
    };
    EXPECT_EQ(shownFor("1000"), "149,4643");
    EXPECT_EQ(state().ConcResults(0, 1000), 149.4643097118221);
    EXPECT_EQ(shownFor("3600"), "39,2366");
    EXPECT_EQ(shownFor(""), "250,0000");
    EXPECT_EQ(shownFor("0"), "250,0000");
    EXPECT_EQ(shownFor("2.5"), shownFor("2"));
    EXPECT_EQ(shownFor("3.5"), shownFor("4"));
    EXPECT_NE(shownFor("2"), shownFor("4"));
    EXPECT_EQ(shownFor("-0.4"), "250,0000");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(state().CurveSlot, 0);

    shownFor("1000");
    EXPECT_EQ(shownFor("-0.6"), "250,0000"); // from "-0.", the last time that passed
    EXPECT_EQ(messages.take(), std::vector<std::string> {"El tiempo debe ser mayor que 0"});
    shownFor("3e9"); // out of range: a fault, and the window goes on
    EXPECT_TRUE(OneOverflowFault(messages.take()));
    EXPECT_EQ(shownFor("1000"), "149,4643");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(TimeQuery, DecimalCommaIsNormalisedAndRunsTheQueryAgainInside)
{
    typeInto("Text2", "13");
    const std::string at13 = text("Label2");
    typeInto("Text2", "127");
    QTest::keyClick(box("Text2"), Qt::Key_Left);
    QTest::keyClick(box("Text2"), ',');
    EXPECT_EQ(text("Text2"), "12.7");
    EXPECT_EQ(box("Text2")->cursorPosition(), 3); // the cursor stays where the comma was typed
    EXPECT_EQ(text("Label2"), at13);

    // With an empty volume box every query fails; the comma makes the query run twice.
    typeInto("Text1(0)", "");
    messages.shown.clear();
    typeInto("Text2", "5,");
    EXPECT_EQ(messages.shown, std::vector<std::string>(3, ValidationMessage));
    EXPECT_EQ(text("Label2"), at13);
}

TEST_F(TimeQuery, ValveLimitIsShownOnceAndTheQueryGoesOn)
{
    typeInto("Text1(4)", "150");
    EXPECT_EQ(text("Text1(6)"), "10,00"); // typing in box 4 changes nothing yet
    typeInto("Text2", "1000");
    EXPECT_EQ(messages.shown, std::vector<std::string> {ValveMessage});
    EXPECT_EQ(text("Text1(4)"), "100");
    EXPECT_EQ(text("Label2"), "149,4643");
}

TEST_F(TimeQuery, ReadsTheBoxesAndLeavesTheShownCurvesAlone)
{
    drawThreeCurves();
    const QImage drawing = onScreen();
    const double kept = state().ConcResults(1, 4000);
    const Legends shown = legends();

    typeInto("Text1(0)", "16.2"); // a new volume: the query uses it, the chart does not
    typeInto("Text2", "1000");
    EXPECT_EQ(state().CurveSlot, 3);
    EXPECT_EQ(state().TankVolume(3), 0.0162f);
    EXPECT_EQ(state().TankVolume(2), 0.0054f);
    EXPECT_EQ(onScreen(), drawing);
    EXPECT_EQ(state().ConcResults(1, 4000), kept);
    EXPECT_EQ(legends(), shown);
    EXPECT_NE(text("Label2"), "149,4643");
}

TEST_F(MaxTimeEdit, RelabelsRescalesAndRecomputes)
{
    click("Command1");
    typeInto("Text2", "1000"); // a query gives its step count back
    typeInto("Text1(3)", "36000");
    EXPECT_EQ(text("Label5"), "= 10,00 h");
    EXPECT_TRUE(hasTexts({{" 36000 ", 6355, 4860}}));
    EXPECT_NEAR(state().TimePoints(5000), 36000.0, 1e-6); // 5000 additions of 7.2
    EXPECT_EQ(state().StepCount, 5000);
    EXPECT_EQ(points(Red), 5001u);
    EXPECT_FALSE(control("Line3(0)")->isHidden());
    EXPECT_EQ(state().CurveSlot, 1);
    const double rate = double(state().InflowRate(0)) / double(state().StartVolume(0));
    EXPECT_NEAR(state().ConcResults(0, 5000), 250 * std::exp(-rate * 36000), 1e-6);

    // Seconds divided by sixty twice: 54 s is 0.015 h, 54/60/60 lies just above the half and
    // 54/3600 just below it; 306 s is 0.085 h, where the two lie the other way round.
    for (const auto& [seconds, hours] : {std::pair {"54", "= 0,02 h"}, {"306", "= 0,08 h"}}) {
        typeInto("Text1(3)", seconds);
        EXPECT_EQ(text("Label5"), hours) << seconds;
    }
}

TEST_F(MaxTimeEdit, NonPositiveTimesBecomeATenThousandthOfASecondOnTheChartOnly)
{
    click("Command1");
    for (const char* typed : {"", "0", "-", "-5"}) {
        typeInto("Text1(3)", typed);
        EXPECT_EQ(state().MaxTime, 0.0001) << typed;
        EXPECT_EQ(text("Label5"), "= 0,00 h") << typed;
        ASSERT_EQ(points(Red), 5001u);
        EXPECT_TRUE(curveAt(Red, 6755, 100)) << typed; // flat at the initial concentration
    }
    // The calculation reads -5 s and redoes the curve drawn over 0.0001 s for it.
    click("Command1");
    EXPECT_EQ(state().CurveSlot, 2);
    EXPECT_GT(state().ConcResults(1, 5000), 250.0); // back in time the acid comes back
    EXPECT_EQ(state().ConcResults(0, 5000), state().ConcResults(1, 5000));

    typeInto("Text1(3)", "3,6E4");
    EXPECT_EQ(state().MaxTime, 3.0);
    typeInto("Text1(3)", "");
    click("Command1"); // reading the boxes applies no substitute
    EXPECT_EQ(state().MaxTime, 0.0);
    EXPECT_EQ(state().TimePoints(5000), 0.0);
}

TEST_F(MaxTimeEdit, CommaInTheTimeBoxRescalesInTheMiddleOfACalculation)
{
    click("Command1");
    typeInto("Text1(3)", "10000,5");
    EXPECT_EQ(state().MaxTime, 10000.0); // the comma ends the number while typing
    click("Command1");
    EXPECT_EQ(text("Text1(3)"), "10000.5");
    EXPECT_EQ(state().MaxTime, 10000.5);
    // The first curve was recomputed by the nested reaction before the second was added.
    EXPECT_EQ(state().CurveSlot, 2);
    EXPECT_NEAR(state().TimePoints(5000), 10000.5, 1e-6);
    EXPECT_EQ(state().ConcResults(0, 5000), state().ConcResults(1, 5000));
}

// A curve that faults as it is recomputed or drawn is taken off the chart with the ones after
// it, and no longer counted: the next calculation computes its slot afresh.
TEST_F(MaxTimeEdit, CurveThatCannotBeRedoneOrDrawnLeavesTheChartWithTheSlotsBeforeIt)
{
    for (const bool redone : {true, false}) {
        window = std::make_unique<Form1>(',', messages);
        if (redone) {
            click("Command1");
            calculate("0.1", "10", "250", "20000", "100"); // a small tank: unstable over long steps
            messages.shown.clear();
            typeInto("Text1(3)", "1e6");
            typeInto("Text1(0)", "5.4"); // for the next calculation: the boxes are not read yet
        } else {
            typeInto("Text1(3)", "1");
            click("Command1");
            calculate("1", "3600", "250", "1", "100");
            setParameters("5.4", "10", "250", "14150", "100"); // the fast tank's curve blows up
        }
        ASSERT_TRUE(OneOverflowFault(messages.take())) << redone;
        EXPECT_EQ(state().CurveSlot, 1);
        EXPECT_EQ(points(Red), 5001u);
        EXPECT_EQ(points(Green), 0u);
        EXPECT_EQ(legendMarks(), (Marks {true, false, false}));
        EXPECT_EQ(legends()[1], "");

        click("Command1"); // harmless values now
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(state().CurveSlot, 2);
        EXPECT_EQ(points(Green), 5001u);
        EXPECT_EQ(state().ConcResults(1, 5000), state().ConcResults(0, 5000));
    }
}

// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_fixture.h"

using namespace tanvera;

using Readout = WindowTest;

TEST_F(Readout, ShowsTimeAndConcentrationUnderThePointer)
{
    // The plot's corners the random walk reads under every axis; here, beyond them.
    moveTo(500, 2430); // left of the axis: negative time
    EXPECT_EQ(text("Label6(0)"), "-1007,6 , 125");
    EXPECT_EQ(picture().cursor().shape(), Qt::CrossCursor);
    moveTo(2288.75f, 4900); // below the time axis: negative concentration
    EXPECT_EQ(text("Label6(0)"), "5000 , -7,5");
}

// Clearing zeroes the scale and keeps the frame, the readout's text and the parameters; the
// curves and their legends go, as the random walk checks after every clearing. Both ways of
// clearing, the button and the fourth calculation that starts a new chart, complete when the
// frame cannot be drawn.
TEST_F(Readout, ClearingZeroesTheScaleAndCompletesWhenTheFrameCannotBeDrawn)
{
    drawThreeCurves();
    moveTo(3000, 1000);
    const std::string before = text("Label6(0)");
    click("Command2");
    EXPECT_EQ(state().CurveSlot, 0);
    EXPECT_EQ(state().ConcAxisMax, 0.f);
    EXPECT_EQ(points(Red), 0u);
    EXPECT_TRUE(hasTexts({{"250,0", 300, 1}}));
    EXPECT_EQ(text("Label6(0)"), before);
    EXPECT_EQ(state().TankVolume(1), 0.0054f);

    for (const char* button : {"Command2", "Command1"}) {
        typeInto("Text1(3)", "20000");
        click("Command2");
        drawThreeCurves();
        // The chart takes the substitute time for it; a query then reads the box as it stands,
        // too large for the frame's time scale.
        typeInto("Text1(3)", "-1e308");
        typeInto("Text2", "1");
        ASSERT_EQ(state().CurveSlot, 3);
        messages.shown.clear();
        click(button);
        ASSERT_TRUE(OneOverflowFault(messages.shown)) << button;
        EXPECT_EQ(state().CurveSlot, 0) << button;
        EXPECT_EQ(state().ConcAxisMax, 0.f) << button;
        EXPECT_EQ(legendMarks(), (Marks {false, false, false})) << button;
    }
    typeInto("Text2", "2"); // raises the scale of the empty chart, which is no curve's
    ASSERT_EQ(state().ConcAxisMax, 250.f);
    click("Command2");
    EXPECT_EQ(state().ConcAxisMax, 0.f);
}

TEST_F(Readout, FaultIsReportedOnceWhileThePointerMoves)
{
    moveTo(6755, 100);
    typeInto("Text1(3)", "1e305");
    messages.shown.clear();
    for (const float x : {6000.f, 6100.f, 6200.f})
        moveTo(x, 100);
    EXPECT_TRUE(OneOverflowFault(messages.shown));
    // No earlier reading stands as if it were current, on the screen or for a screen reader.
    EXPECT_EQ(text("Label6(0)"), "");
    EXPECT_FALSE(control("Label6(0)")->accessibleName().contains(u'2'));
    typeInto("Text1(3)", "100");
    moveTo(6755, 100);
    EXPECT_EQ(text("Label6(0)"), "100 , 250");
}

// A chart that a fault empties of every curve is left as clearing leaves it: the next curve
// is drawn on its own scale, not on that of curves gone.
TEST_F(Readout, ChartEmptiedByAFaultTakesTheNextCurvesScale)
{
    typeInto("Text1(2)", "300");
    click("Command1");
    ASSERT_TRUE(hasTexts({{"300,0", 300, 1}}));
    typeInto("Text1(3)", "1e300");
    ASSERT_EQ(window->drawnChart().curveCount(), 0);
    typeInto("Text1(3)", "1000");
    typeInto("Text1(2)", "100");
    messages.shown.clear();
    click("Command1");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(hasTexts({{"100,0", 300, 1}}));
    EXPECT_EQ(state().CurveSlot, 1);
}

// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fault_of.h"
#include "model/integrator.h"
#include "runtime/fault.h"
#include "start_values.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace tanvera;

// One step of 3000 s, long enough for a different rounding of any rate in it to show.
static double stepFrom(ChartState& s, double t, double Y)
{
    RungeKutta(s, t, t + 3000, 1, Y);
    return s.ConcPoints(1);
}

TEST(TankModel, OneLongStepShowsTheRatesToTheLastDigitAndTheirFaults)
{
    auto s = startValues();
    EXPECT_EQ(stepFrom(*s, 0, 250), 67.831804634670192);
    // At 100 % the volume stays put, so time does not matter; without acid nothing changes.
    EXPECT_EQ(stepFrom(*s, 12345.5, 250), stepFrom(*s, 0, 250));
    EXPECT_EQ(stepFrom(*s, 777, 0), 0.0);

    fillSlot(*s, 0, 10, 100, 5.4, 10);
    EXPECT_EQ(stepFrom(*s, 0, 5.4), 0.93577572187121483); // the expanded form, not the reduced
    // The volume summed as (Qin·t − Qout·t) + V0, in no other order.
    EXPECT_EQ(stepFrom(*s, 141.18, 1), 0.17116905092568913);

    s->CurveSlot = 1; // never filled: 0/0
    EXPECT_EQ(faultOf([&] { stepFrom(*s, 0, 250); }), FaultKind::InvalidOperation);
    fillSlot(*s, 1, 1, 10, 250, 200); // volume falls: zero at t = -V0/(Qin-Qout)
    const double empty
        = -double(s->StartVolume(1)) / (double(s->InflowRate(1)) - double(s->OutflowRate(1)));
    EXPECT_EQ(faultOf([&] { stepFrom(*s, empty, 250); }), FaultKind::DivisionByZero);
    s->CurveSlot = 4;
    EXPECT_EQ(faultOf([&] { stepFrom(*s, 0, 250); }), FaultKind::IndexOutOfRange);
}

TEST(RungeKutta, CurveRunMatchesReferenceToTheLastDigit)
{
    auto s = startValues();
    RunIntegration(*s);
    EXPECT_EQ(s->StepCount, 5000);
    EXPECT_EQ(s->EndTime, 20000.0);
    EXPECT_EQ(s->StartConc, 250.0);
    EXPECT_EQ(s->TimePoints(1), 4.0);
    EXPECT_EQ(s->TimePoints(5000), 20000.0);
    EXPECT_EQ(s->ConcPoints(1), 249.48612557413045);
    EXPECT_EQ(s->ConcPoints(2), 248.97330741596318);
    EXPECT_EQ(s->ConcPoints(2500), 1.4585285314100025);
    EXPECT_EQ(s->ConcPoints(5000), 0.008509221907748098);

    // The weighted sum is multiplied by the quotient 1/6, not divided by 6: with a closed valve
    // and large steps the two part in the last digits.
    fillSlot(*s, 0, 1, 100, 250, 0);
    s->MaxTime = 10000;
    RunIntegration(*s);
    EXPECT_EQ(s->ConcPoints(5000), 0.89677165466756625);
}

// A query's run of 1000 steps over 1000 s is held to its last digit by the time query's test.
TEST(RungeKutta, EmptySpanAndNoStep)
{
    auto s = startValues();
    s->TimePoints(8) = -1; // rows above N keep what they held
    RungeKutta(*s, 30, 30, 7, 12.5);
    for (int i = 0; i <= 7; ++i) {
        EXPECT_EQ(s->TimePoints(i), 30.0);
        EXPECT_EQ(s->ConcPoints(i), 12.5);
    }
    EXPECT_EQ(s->TimePoints(8), -1.0);

    RungeKutta(*s, 5, 10, -3, 99); // no step at all: row 0 only
    EXPECT_EQ(s->TimePoints(0), 5.0);
    EXPECT_EQ(s->ConcPoints(0), 99.0);
    EXPECT_EQ(s->TimePoints(1), 30.0);
}

TEST(RungeKutta, StepCountFaults)
{
    auto s = startValues();
    s->TimePoints(0) = -7;
    EXPECT_EQ(faultOf([&] { RungeKutta(*s, 0, 100, 0, 250); }), FaultKind::DivisionByZero);
    EXPECT_EQ(s->TimePoints(0), -7.0); // nothing written before the fault

    EXPECT_EQ(faultOf([&] { RungeKutta(*s, 0, 10001, 10001, 250); }), FaultKind::IndexOutOfRange);
    EXPECT_EQ(s->TimePoints(10000), 10000.0); // every row up to the end of the table written
}

TEST(RungeKutta, UnstableRunOverflowsAndKeepsEarlierRows)
{
    auto s = startValues();
    fillSlot(*s, 0, 0.1, 1000, 250, 100);
    for (int i = 0; i <= 120; ++i)
        s->ConcPoints(i) = 0;
    const RuntimeFault caught = faultRaisedBy([&] { RunIntegration(*s); });
    EXPECT_EQ(caught.kind(), FaultKind::Overflow);
    EXPECT_NE(caught.hint().find("inestable"), std::string::npos);

    int written = 0;
    while (written < 120 && s->ConcPoints(written + 1) != 0)
        ++written;
    EXPECT_GT(written, 50);
    EXPECT_LT(written, 120);
    // The magnitude grows by about 458 each step.
    EXPECT_NEAR(std::fabs(s->ConcPoints(11) / s->ConcPoints(10)), 458, 5);
}

TEST(RungeKutta, VolumeThatOverflowsWithinAStepIsAFault)
{
    // A closed valve and a huge span: the volume is finite at the start of the step, but
    // Qin·t no longer fits a Double at its middle. A finite rate over an infinite volume would
    // read as no change at all, so the run must stop instead of going on quietly.
    auto s = startValues();
    s->InflowRate(0) = 2;
    s->OutflowRate(0) = 0;
    EXPECT_EQ(faultOf([&] { RungeKutta(*s, 0.8e308, 1e308, 1, 250); }), FaultKind::Overflow);
    RungeKutta(*s, 0.8e308, 0.85e308, 1, 250); // just short of it the step goes through
    EXPECT_GT(s->ConcPoints(1), 0.0);
}

TEST(RungeKutta, AccurateAgainstExactSolutions)
{
    auto s = startValues();
    // Constant volume: C0·exp(-Q·t/V).
    RungeKutta(*s, 0, 20000, 5000, 250);
    const double rate = double(s->InflowRate(0)) / double(s->StartVolume(0));
    for (int i : {250, 1250, 2500, 4000}) {
        const double exact = 250 * std::exp(-rate * s->TimePoints(i));
        EXPECT_NEAR(s->ConcPoints(i), exact, 1e-9 * 250) << "step " << i;
    }

    // Rising volume: C0·(V0/V(t))^(Qin/(Qin-Qout)).
    fillSlot(*s, 0, 10, 100, 40, 10);
    const double qin = s->InflowRate(0), qout = s->OutflowRate(0), v0 = s->StartVolume(0);
    auto exact
        = [&](double t) { return 40 * std::pow(v0 / (v0 + (qin - qout) * t), qin / (qin - qout)); };
    auto errorWith = [&](std::int16_t steps) {
        RungeKutta(*s, 0, 3000, steps, 40);
        return std::fabs(s->ConcPoints(steps) - exact(3000));
    };
    EXPECT_LT(errorWith(1000), 1e-7);
    // Fourth order: halving the step cuts the error about sixteen times.
    const double ratio = errorWith(50) / errorWith(100);
    EXPECT_GT(ratio, 13);
    EXPECT_LT(ratio, 19);
}

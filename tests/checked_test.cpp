// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fault_of.h"
#include "runtime/checked.h"
#include "runtime/fault.h"
#include "runtime/fixed_array.h"

#include <gtest/gtest.h>
#include <limits>

using namespace tanvera;

TEST(CheckedDouble, NamesEachFault)
{
    const Dbl big = 1e308;
    EXPECT_EQ(faultOf([&] { return big * 10.0; }), FaultKind::Overflow);
    EXPECT_EQ(faultOf([&] { return big + big; }), FaultKind::Overflow);
    EXPECT_EQ(faultOf([&] { return -big - big; }), FaultKind::Overflow);
    EXPECT_EQ(faultOf([&] { return Dbl(1) / 0.0; }), FaultKind::DivisionByZero);
    EXPECT_EQ(faultOf([&] { return Dbl(0) / 0.0; }), FaultKind::InvalidOperation);
    EXPECT_EQ(faultOf([&] { return big / 1e-300; }), FaultKind::Overflow);
    EXPECT_EQ(double(Dbl(1) / 3.0), 1.0 / 3.0);
    EXPECT_EQ(double(Dbl(1e-300) * 1e-300), 0.0); // underflow is no fault
}

TEST(Faults, AreToldInSpanishWithTheirHintAndTime)
{
    const std::pair<RuntimeFault, const char*> rows[]
        = {{RuntimeFault(FaultKind::DivisionByZero), "División por cero."},
            {RuntimeFault(FaultKind::InvalidOperation), "Operación no válida."},
            {RuntimeFault(FaultKind::IndexOutOfRange), "Subíndice fuera del intervalo."},
            {RuntimeFault(FaultKind::Overflow, "Cerca de t = {t} s.", -0.5),
                "Desbordamiento.\n\nCerca de t = -0,5 s."}};
    for (const auto& [fault, told] : rows)
        EXPECT_EQ(faultMessage(fault, ','), std::string("Error en tiempo de ejecución: ") + told);
}

TEST(CheckedConversions, SingleAndWholeNumbers)
{
    EXPECT_EQ(toSingle(5.4), 5.4f);
    EXPECT_EQ(toSingle(3.4028235e38), std::numeric_limits<float>::max());
    EXPECT_EQ(faultOf([] { return toSingle(3.5e38); }), FaultKind::Overflow);
    // Rounding decides: up to half a unit above the largest float still stores it.
    EXPECT_EQ(toSingle(-std::nextafter(0x1.ffffffp127, 0.0)), -std::numeric_limits<float>::max());
    EXPECT_EQ(faultOf([] { return toSingle(0x1.ffffffp127); }), FaultKind::Overflow);
    EXPECT_EQ(faultOf([] { return toSingle(std::nan("")); }), FaultKind::InvalidOperation);
    EXPECT_EQ(faultOf([] { return toSingle(-1e300); }), FaultKind::Overflow);

    EXPECT_EQ(toWhole<std::int32_t>(2.5), 2);
    EXPECT_EQ(toWhole<std::int32_t>(3.5), 4);
    EXPECT_EQ(toWhole<std::int32_t>(-0.5), 0);
    EXPECT_EQ(toWhole<std::int32_t>(-0.6), -1);
    EXPECT_EQ(toWhole<std::int32_t>(2147483647.4), 2147483647);
    EXPECT_EQ(faultOf([] { return toWhole<std::int32_t>(2147483647.5); }), FaultKind::Overflow);
    EXPECT_EQ(faultOf([] { return toWhole<std::int32_t>(-3e9); }), FaultKind::Overflow);
    EXPECT_EQ(faultOf([] { return toWhole<std::int16_t>(32768); }), FaultKind::Overflow);

    EXPECT_EQ(addInt16(2, 1), 3);
    EXPECT_EQ(faultOf([] { return addInt16(32767, 1); }), FaultKind::Overflow);
}

TEST(FixedArrays, IndicesAreChecked)
{
    FixedArray<float, 4> slots;
    slots(3) = 1.5f;
    EXPECT_EQ(slots(3), 1.5f);
    EXPECT_EQ(slots(0), 0.0f);
    EXPECT_EQ(faultOf([&] { return slots(4); }), FaultKind::IndexOutOfRange);
    EXPECT_EQ(faultOf([&] { return slots(-1); }), FaultKind::IndexOutOfRange);

    FixedTable<double, 4, 1000001> table;
    table(2, 1000000) = 7;
    EXPECT_EQ(table(2, 1000000), 7.0);
    EXPECT_EQ(table(3, 0), 0.0);
    EXPECT_EQ(faultOf([&] { return table(4, 0); }), FaultKind::IndexOutOfRange);
    EXPECT_EQ(faultOf([&] { return table(0, 1000001); }), FaultKind::IndexOutOfRange);
}

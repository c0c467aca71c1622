// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_fixture.h"

#include <QAccessible>

using namespace tanvera;

namespace {

class ScreenReader : public WindowTest
{
protected:
    QAccessibleInterface* reader(const char* name) const
    {
        QAccessibleInterface* found = QAccessible::queryAccessibleInterface(control(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    std::string heard(const char* name, QAccessible::Text kind = QAccessible::Name) const
    {
        return reader(name)->text(kind).toStdString();
    }
};

} // namespace

TEST_F(ScreenReader, ReadoutsSayWhatTheyAreAndWhatTheyShow)
{
    EXPECT_EQ(heard("Label2"), "Cj (mol/m3): sin valor");
    EXPECT_EQ(heard("Label5"), "t máximo (h): 5,56");
    EXPECT_EQ(heard("Label6(0)"), "Puntero sobre la gráfica: sin valor");
    EXPECT_EQ(heard("Label4(0)"), "Curva roja: sin dibujar");
    EXPECT_EQ(heard("Label4(1)"), "Curva verde: sin dibujar");
    EXPECT_EQ(heard("Label4(2)"), "Curva azul: sin dibujar");

    typeInto("Text2", "1000");
    EXPECT_EQ(heard("Label2"), "Cj (mol/m3): 149,4643");
    moveTo(2288.75f, 4900);
    EXPECT_EQ(heard("Label6(0)"), "Puntero sobre la gráfica: t (s): 5000; C (mol/m3): -7,5");
    typeInto("Text1(3)", "3600");
    EXPECT_EQ(heard("Label5"), "t máximo (h): 1,00");
    click("Command1");
    EXPECT_EQ(heard("Label4(0)"),
        "Curva roja: V = 5,4 (l) -- Q = 10 (l/h) -- Co = 250 (mol/m3) -- Ap.Valv = 100 (%)");
    EXPECT_EQ(reader("Label4(0)")->role(), QAccessible::StaticText);
    click("Command2");
    EXPECT_EQ(heard("Label4(0)"), "Curva roja: sin dibujar");
}

TEST_F(ScreenReader, ChartDescribesItsAxesAndEveryCurveShown)
{
    EXPECT_EQ(reader("Picture2")->role(), QAccessible::Chart);
    EXPECT_EQ(heard("Picture2"), "Gráfica de concentración frente al tiempo");
    EXPECT_EQ(heard("Picture2", QAccessible::Description),
        "Eje t (s) de 0 a 20000. Eje Conc. HCl (mol/m3) de 0 a 250,0. Sin curvas.");

    click("Command1");
    calculate("5.4", "10", "300", "1000", "50");
    EXPECT_EQ(heard("Picture2", QAccessible::Description),
        "Eje t (s) de 0 a 1000. Eje Conc. HCl (mol/m3) de 0 a 300,0. "
        "Curva roja: V = 5,4 (l) -- Q = 10 (l/h) -- Co = 250 (mol/m3) -- Ap.Valv = 100 (%). "
        "Curva verde: V = 5,4 (l) -- Q = 10 (l/h) -- Co = 300 (mol/m3) -- Ap.Valv = 50 (%).");

    // A fault in the redraw takes the curves off the chart, and the description with them; the
    // emptied chart's scale starts again from 0, as after clearing.
    typeInto("Text1(3)", "1e300");
    ASSERT_TRUE(OneOverflowFault(messages.shown));
    EXPECT_EQ(heard("Picture2", QAccessible::Description),
        "Eje t (s) de 0 a 1E+300. Eje Conc. HCl (mol/m3) de 0 a ,0. Sin curvas.");
}

TEST_F(ScreenReader, BoxesSayTheirCaptionTheirValueAndWhetherTheyAreLocked)
{
    const char* captions[]
        = {"V (l):", "Q1 (l/h):", "Cjo (mol/m3):", "t máximo (s):", "Apertura válvula (%)",
            "C1j (mol/m3):", "Q2 (l/h):", "t (s)"};
    EXPECT_EQ(heard("Text1(6)", QAccessible::Value), "10,00");
    for (std::size_t i = 0; i < std::size(Boxes); ++i) {
        auto* edit = control<QLineEdit>(Boxes[i]);
        const bool locked = i == 5 || i == 6; // Text1(5) and Text1(6)
        if (!locked) // no box limits the length of its text
            edit->setText(QString(40000, '7'));
        QAccessibleInterface* box = reader(Boxes[i]);
        EXPECT_EQ(box->text(QAccessible::Name).toStdString(), captions[i]);
        EXPECT_EQ(box->text(QAccessible::Value), edit->text()) << Boxes[i];
        EXPECT_EQ(box->state().readOnly, locked) << Boxes[i];
        EXPECT_EQ(box->text(QAccessible::Description), locked ? "Solo lectura" : "") << Boxes[i];
    }
}

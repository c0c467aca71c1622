// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "parameters.h"

#include "runtime/checked.h"
#include "runtime/numtext.h"

namespace tanvera {

namespace {

double boxValue(const FormContext& form, long index)
{
    return Val(form.Text1(index)->text().toStdString());
}

// OutflowRate from the valve opening and the feed, shown in l/h in box 6.
void deriveOutflow(FormContext& form)
{
    ChartState& s = form.state;
    const long slot = s.CurveSlot;
    s.OutflowRate(slot) = toSingle(double(Dbl(s.ValveOpening(slot)) * s.InflowRate(slot) / 100.0));
    const float litresPerHour = toSingle(double(Dbl(s.OutflowRate(slot)) * 1000.0 * 60.0 * 60.0));
    const char sep = form.separator;
    form.outflow->showText(
        ShownText().number(litresPerHour, Format(litresPerHour, Pattern::TwoDecimals, sep), sep));
}

// Writes a box as the program does. It then shows the start of its text, as after any text is
// set; only the box the user is typing in keeps its cursor, when the length stays (the comma rule).
void writeBox(QLineEdit* box, const QString& text)
{
    // A readout box fits what it is given, and tells it whole.
    if (auto* readout = qobject_cast<ReadoutBox*>(box)) {
        readout->showText(ShownText() << text.toStdString());
        return;
    }
    const QString current = box->text();
    if (text == current)
        return;
    const bool typedHere = box->window()->focusWidget() == box && text.size() == current.size();
    const int cursor = box->cursorPosition();
    box->setText(text);
    // setText leaves the cursor at the end, which scrolls a long text to its end: "0000,00".
    box->setCursorPosition(typedHere ? cursor : 0);
}

} // namespace

void ReadInputs(FormContext& form)
{
    ChartState& s = form.state;
    s.InflowRate(s.CurveSlot) = toSingle(double(Dbl(boxValue(form, 1)) / 1000.0 / 60.0 / 60.0));
    s.FeedConc = 0;
    s.TankVolume(s.CurveSlot) = toSingle(double(Dbl(boxValue(form, 0)) / 1000.0));
    s.MaxVolume(s.CurveSlot) = toSingle(double(Dbl(s.TankVolume(s.CurveSlot)) * 10.0));
    s.StartVolume(s.CurveSlot) = s.TankVolume(s.CurveSlot);
    s.InitialConc(s.CurveSlot) = toSingle(boxValue(form, 2));
    s.ValveOpening(s.CurveSlot) = toSingle(boxValue(form, 4));
    deriveOutflow(form);
    s.MaxTime = boxValue(form, 3);
    showHours(form);
    if (s.InitialConc(s.CurveSlot) > s.ConcAxisMax)
        s.ConcAxisMax = s.InitialConc(s.CurveSlot);
}

void showHours(FormContext& form)
{
    const double hours = double(Dbl(form.state.MaxTime) / 60.0 / 60.0);
    const char sep = form.separator;
    ShownText caption;
    form.Label5->showCaption(
        (caption << "=").number(hours, Format(hours, Pattern::TwoDecimals, sep), sep) << "h");
}

void applyDecimalComma(QLineEdit* box)
{
    writeBox(box, box->text().replace(u',', u'.'));
}

void applyDecimalCommaToParameters(FormContext& form)
{
    for (long i = 0; i <= 6; ++i)
        applyDecimalComma(form.Text1(i));
}

void limitValve(FormContext& form)
{
    ChartState& s = form.state;
    if (!(s.ValveOpening(s.CurveSlot) > 100))
        return;
    form.messages.show("La apertura de la válvula no puede ser mayor del 100%");
    s.ValveOpening(s.CurveSlot) = 100;
    writeBox(form.Text1(4), QStringLiteral("100"));
    deriveOutflow(form);
}

bool validateInputs(FormContext& form)
{
    const ChartState& s = form.state;
    const long slot = s.CurveSlot;
    // The limits are the Singles nearest to the decimal constants.
    const bool valid = s.TankVolume(slot) >= 1E-07f && s.InflowRate(slot) >= 1E-08f
        && s.InitialConc(slot) >= 0.0001f && s.ValveOpening(slot) >= 0.0f;
    if (!valid)
        form.messages.show("El Volumen, el Caudal, la apertura de la válvula y la Concentración "
                           "inicial deben ser mayores que cero");
    return valid;
}

} // namespace tanvera

// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "time_query.h"

#include "model/integrator.h"
#include "parameters.h"
#include "runtime/checked.h"
#include "runtime/numtext.h"
#include "runtime/scope_exit.h"

namespace tanvera {

namespace {

constexpr std::int16_t QuerySteps = 1000;

// Whole seconds, halves to even, as a 32-bit number.
std::int32_t queryTime(const QLineEdit* box)
{
    const double typed = Val(box->text().toStdString());
    try {
        return toWhole<std::int32_t>(typed);
    } catch (const RuntimeFault& fault) {
        throw RuntimeFault(
            fault.kind(), "El tiempo de la consulta está fuera del intervalo admitido.");
    }
}

} // namespace

void Text2_Change(FormContext& form)
{
    ChartState& s = form.state;
    applyDecimalCommaToParameters(form);
    applyDecimalComma(form.Text2);
    ReadInputs(form);
    limitValve(form);
    const std::int32_t T = queryTime(form.Text2);

    // The query borrows StepCount for its own run and gives it back on every path, so curves
    // recomputed after a later edit of the maximum time keep the step count they were made with.
    const ScopeExit giveStepCountBack([&s, kept = s.StepCount] { s.StepCount = kept; });
    s.StepCount = QuerySteps;
    s.StartTime = 0;
    s.EndTime = T;
    s.StartConc = s.InitialConc(s.CurveSlot);
    if (!validateInputs(form))
        return;
    // Going back in time can only fail and its result is never shown, so it is not run.
    if (T < 0) {
        form.messages.show("El tiempo debe ser mayor que 0");
        return;
    }
    RungeKutta(s, s.StartTime, s.EndTime, s.StepCount, s.InitialConc(s.CurveSlot));
    storeRun(s, s.CurveSlot, QuerySteps);
    const double result = s.ConcResults(s.CurveSlot, QuerySteps);
    const char sep = form.separator;
    form.Label2->showCaption(
        ShownText().number(result, Format(result, Pattern::FourDecimals, sep), sep));
}

} // namespace tanvera

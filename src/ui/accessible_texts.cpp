// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessible_texts.h"

#include "chart/curves.h"

#include <QAccessibleWidget>

namespace tanvera {

namespace {

// Setting a name raises an accessibility event: only when it changes.
void setName(QWidget* widget, const QString& name)
{
    if (widget->accessibleName() != name)
        widget->setAccessibleName(name);
}

QString reading(const char* what, const QString& shown)
{
    return QString::fromUtf8(what) + QStringLiteral(": ")
        + (shown.isEmpty() ? QStringLiteral("sin valor") : shown);
}

// The axes as the frame printed them.
QString axes(const DrawnChart& chart)
{
    if (chart.scale.empty())
        return {};
    return QStringLiteral("Eje t (s) de 0 a %1. Eje Conc. HCl (mol/m3) de 0 a %2. ")
        .arg(QString::fromStdString(chart.timeAxisEnd()),
            QString::fromStdString(chart.concAxisTop()));
}

QString chartDescription(const FormContext& form)
{
    QString description = axes(form.drawn);
    for (int k = 0; k < form.drawn.curveCount(); ++k)
        description += reading(CurveLooks[k].name, qText(form.drawn.curves[k].legend.whole()))
            + QStringLiteral(". ");
    if (form.drawn.curveCount() == 0)
        description += QStringLiteral("Sin curvas.");
    return description.trimmed();
}

QAccessibleInterface* chartInterface(const QString& className, QObject* object)
{
    if (className == QStringLiteral("tanvera::Picture2") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Chart);
    return nullptr;
}

} // namespace

void installChartAccessibility()
{
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(chartInterface);
        return true;
    }();
}

void refreshReadoutAccessibleNames(FormContext& form)
{
    setName(form.Label2, reading("Cj (mol/m3)", qText(form.Label2->caption().whole())));
    setName(form.Label5, reading("t máximo (h)", form.Label5->caption().numbers().value(0)));
    const QStringList pointer = form.Label6->caption().numbers();
    setName(form.Label6,
        pointer.size() == 2 ? QStringLiteral("Puntero sobre la gráfica: t (s): %1; C (mol/m3): %2")
                                  .arg(pointer[0], pointer[1])
                            : reading("Puntero sobre la gráfica", {}));
}

void refreshChartAccessibleTexts(FormContext& form)
{
    for (long k = 0; k <= 2; ++k) {
        const QString legend = qText(form.Label4(k)->caption().whole());
        setName(form.Label4(k),
            QString::fromUtf8(CurveLooks[k].name)
                + (legend.isEmpty() ? QStringLiteral(": sin dibujar") : ": " + legend));
    }
    setName(form.picture, QStringLiteral("Gráfica de concentración frente al tiempo"));
    const QString description = chartDescription(form);
    if (form.picture->accessibleDescription() != description)
        form.picture->setAccessibleDescription(description);
}

} // namespace tanvera

// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's one window: built from the layout table, it owns the shared state and wires each
// control's event to its procedure behind a fault boundary.
#pragma once

#include "chart/form_context.h"

#include <QAction>
#include <QWidget>
#include <memory>

namespace tanvera {

class Form1 : public QWidget
{
    Q_OBJECT

public:
    // `separator` is the user's regional decimal separator; `messages` shows the message boxes.
    Form1(char separator, MessageBox& messages, QWidget* parent = nullptr);
    ~Form1() override;

    ChartState& state() { return *m_state; }
    const DrawnChart& drawnChart() const { return m_form.drawn; }

private:
    void buildControls();
    void wireEvents();
    void buildChartMenu();
    // After every event, fault or not: keeps the chart's menu and what a screen reader hears in
    // step with the window.
    void afterEvent();
    void Form_Load();
    // Runs an event procedure; a run-time fault ends it and is reported (unless `report` is
    // false), and the window goes on. Returns whether the procedure ran to its end.
    template <typename Procedure> bool runEvent(Procedure&& procedure, bool report = true);

    std::unique_ptr<ChartState> m_state;
    FormContext m_form;
    bool m_readoutFaultReported = false;
    QAction* m_copyData = nullptr;
};

} // namespace tanvera
